import QtQuick 2.15
import "../view"

// The language choice; it takes effect at once.
VScrollContent {
    id: page

    label: ""

    function languageSelected(index) {
        // Nothing to switch: the choice already holds (it is also how the
        // box first takes the stored language).
        if (index === backend.currentLanguage)
            return
        console.log("Change langue " + index)
        // Retranslated lists reset their selection: keep both parities.
        var parityConnectionPage = backend.parityConnectionPage
        var parity = backend.parity
        backend.language = index === 0 ? "en_EN" : "de_DE"
        backend.currentLanguage = index
        backend.switchLanguage()
        backend.parityConnectionPage = parityConnectionPage
        backend.parity = parity
    }

    content: VPanel {
        bottomMargin: 10

        VLineComboBox {
            id: cbLanguage
            objectName: "languageSelection"
            label: qsTr("Language selection")
            _model: ["English", "Deutsch"]
            _currentIndex: backend.currentLanguage
            _selectChanged: function() { page.languageSelected(cbLanguage._currentIndex) }
        }
    }
}
