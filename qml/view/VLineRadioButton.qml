import QtQuick 2.15

// A choice between two buttons beside its label.
Item {
    id: root

    property string label
    property string labelFirstElem
    property string labelSecondElem
    property int currentSelect: 0
    property alias rb1: first
    property alias rb2: second
    property var _selectChanged
    property bool hasChanged: false

    width: parent ? parent.width : 0
    height: 45

    function choose(index) {
        hasChanged = true
        currentSelect = index
        if (_selectChanged)
            _selectChanged(index)
    }

    VRowLabel {
        beside: first
        text: root.label
    }

    VRadioButton {
        id: first
        anchors.right: second.left
        anchors.verticalCenter: parent.verticalCenter
        l_text: root.labelFirstElem
        isSelect: root.currentSelect === 0
        onClick: function() { root.choose(0) }
    }

    VRadioButton {
        id: second
        anchors.right: parent.right
        anchors.rightMargin: 20
        anchors.verticalCenter: parent.verticalCenter
        l_text: root.labelSecondElem
        isSelect: root.currentSelect === 1
        onClick: function() { root.choose(1) }
    }
}
