import QtQuick 2.15
import QtQml 2.15
import "../theme"

// A choice beside its label.
Item {
    id: root

    property string label
    property var _model
    property int cbWidth: Theme.controlWidth
    property alias cb: box
    property alias _currentIndex: box.currentIndex
    property var _selectChanged
    property string labelError: ""
    property bool isError: false
    property bool hasChanged: false
    property bool errorEnable: labelError !== ""
    property var _checkError
    // The choices and the choice last shown: new texts for the same choices (a
    // language switch) make the box fall back to its first entry, which would
    // then pass for the operator's choice.
    property string _shownChoices: ""
    property int _shownIndex: -1
    property bool _keeping: false

    width: parent ? parent.width : 0
    // Room for the error text only while it shows.
    height: 41 + (error.visible ? error.height + 2 : 0)

    VRowLabel {
        beside: box
        anchors.verticalCenter: box.verticalCenter
        text: root.label
    }

    VComboBox {
        id: box
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.top: parent.top
        width: root.cbWidth
        height: 41
        model: root._model
        isError: root.isError
        onCurrentIndexChanged: {
            if (root._keeping)
                return
            var choices = JSON.stringify(model)
            if (choices !== root._shownChoices && root._shownChoices !== "" && root._shownIndex >= 0
                    && root._shownIndex < count && currentIndex !== root._shownIndex) {
                root._shownChoices = choices
                // Held for a moment, then the page's own binding takes over again.
                root._keeping = true
                keep.value = root._shownIndex
                keep.when = true
                keep.when = false
                root._keeping = false
                return
            }
            root._shownChoices = choices
            root._shownIndex = currentIndex
            if (root._selectChanged)
                root._selectChanged()
            root.hasChanged = true
            if (root._checkError)
                root.isError = root._checkError(currentIndex)
        }
    }

    Binding {
        id: keep
        target: box
        property: "currentIndex"
        when: false
        restoreMode: Binding.RestoreBinding
    }

    VErrorText {
        id: error
        anchors.top: box.bottom
        anchors.topMargin: 2
        width: root.width - 20
        shown: root.isError
        text: root.labelError
    }
}
