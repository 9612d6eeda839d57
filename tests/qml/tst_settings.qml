import QtQuick 2.15
import QtTest 1.2

Item {
    width: 1024
    height: 768

    Harness {
        id: h
        realPages: ["settings"]
        anchors.fill: parent
    }

    TestCase {
        name: "Settings"
        when: windowShown

        function chooseLanguage(index) {
            var box = findChild(h.pages, "languageSelection").cb
            mouseClick(findChild(h.menu, "entrySettings"))
            compare(h.pages.currentIndex, 5)
            box.forceActiveFocus()
            keyClick(index === 1 ? Qt.Key_Down : Qt.Key_Up)
            compare(box.currentIndex, index)
        }

        function cleanup() {
            if (backend.currentLanguage !== 0)
                chooseLanguage(0)
        }

        function test_switchKeepsBothParities() {
            backend.parityConnectionPage = 2
            backend.parity = 0
            chooseLanguage(1)
            compare(backend.language, "de_DE")
            compare(backend.currentLanguage, 1)
            compare(backend.parityConnectionPage, 2)
            compare(backend.parity, 0)
            compare(findChild(h.connexionPage, "parity").cb.currentIndex, 2)
            // The interface was retranslated on the way.
            compare(findChild(h.connexionPage, "parity").cb.currentText, "ungerade")
            compare(findChild(h.menu, "entryConnection").l_text, "Verbindung")

            chooseLanguage(0)
            compare(backend.language, "en_EN")
            compare(backend.currentLanguage, 0)
            compare(backend.parityConnectionPage, 2)
            compare(backend.parity, 0)
            compare(findChild(h.connexionPage, "parity").cb.currentIndex, 2)
            compare(findChild(h.connexionPage, "parity").cb.currentText, "Odd")
            backend.parityConnectionPage = 1
            backend.parity = 1
        }

        function test_languageFollowsTheBackend() {
            var box = findChild(h.pages, "languageSelection").cb
            compare(box.currentIndex, backend.currentLanguage)
            compare(box.currentText, "English")
        }
    }
}
