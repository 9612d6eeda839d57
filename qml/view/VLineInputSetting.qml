import QtQuick 2.15
import "form.js" as Form

// The number field of a module setting: its label, unit, error text, range and
// digits come from the settings table (`settingsTable`), in the catalogue
// context the page has them in. The row shows and writes backend's property
// named by its objectName.
VLineInputNumber {
    id: row

    // The settings file's key of the setting.
    property string setting
    readonly property var entry: settingsTable.setting(setting)

    function translated(text) {
        return text && text.source ? qsTranslate(text.context, text.source, text.comment) : ""
    }

    label: translated(entry.label)
    labelUnit: translated(entry.pageUnit)
    labelError: translated(entry.error)
    maxDigits: entry.digits
    _text: Form.numberText(backend[objectName])
    _checkError: function(value) { return !settingsTable.allows(row.setting, value) }
    _txtChanged: function(value) { backend[row.objectName] = value }
}
