import QtQuick 2.15

// One of backend's flags, named by objectName, as two choices: false, then
// true. `texts` holds the label and the two choices, in the page's language.
VLineRadioButton {
    id: flag

    property var texts: ["", "", ""]

    label: texts[0]
    labelFirstElem: texts[1]
    labelSecondElem: texts[2]
    // Bound here, not through currentSelect, which a click overwrites.
    rb1.isSelect: !backend[objectName]
    rb2.isSelect: !!backend[objectName]
    _selectChanged: function(index) { backend[flag.objectName] = index === 1 }
}
