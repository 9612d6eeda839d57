import QtQuick 2.15
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
            if (root._selectChanged)
                root._selectChanged()
            root.hasChanged = true
            if (root._checkError)
                root.isError = root._checkError(currentIndex)
        }
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
