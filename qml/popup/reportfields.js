.pragma library

// What the operator typed into the last commissioning report, for the next
// one in this session: one copy for the settings page and the line view.
var site = ""
var technician = ""
var reference = ""

// A name chosen without an ending is written as .pdf ("x." too, not "x..pdf").
function withPdfEnding(path) {
    var name = path.substring(path.lastIndexOf("/") + 1)
    var dot = name.lastIndexOf(".")
    if (path === "" || (dot >= 0 && dot < name.length - 1))
        return path
    return dot === name.length - 1 ? path + "pdf" : path + ".pdf"
}
