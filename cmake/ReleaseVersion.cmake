# The newest entry of packaging/changelog and the metainfo's newest release
# must name the project's version, so a release cannot bump one and forget the
# others. The package build includes this; CTest runs it as a script:
#   cmake -DVERSION=1.2.3 -DPACKAGING=path/to/packaging -P ReleaseVersion.cmake
function(orvalis_check_release_version version packaging)
  file(STRINGS ${packaging}/changelog changelog_head LIMIT_COUNT 1)
  string(REGEX MATCH "^orvalis \\(([^)]*)\\)" found "${changelog_head}")
  set(changelog_version "${CMAKE_MATCH_1}")
  file(READ ${packaging}/fr.vordan.Orvalis.metainfo.xml metainfo)
  # AppStream lists the releases newest first.
  string(REGEX MATCH "<release version=\"([^\"]*)\"" found "${metainfo}")
  set(metainfo_version "${CMAKE_MATCH_1}")
  if(NOT changelog_version STREQUAL version OR NOT metainfo_version STREQUAL version)
    message(FATAL_ERROR "version ${version}, but packaging/changelog has "
                        "'${changelog_version}' and the metainfo '${metainfo_version}'")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  orvalis_check_release_version("${VERSION}" "${PACKAGING}")
endif()
