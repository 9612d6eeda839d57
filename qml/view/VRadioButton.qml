import QtQuick 2.15
import QtQuick.Controls 2.15
import "../theme"

RadioButton {
    id: control

    property string l_text
    property var onClick
    property bool isSelect: false

    checked: isSelect
    text: l_text
    height: 30
    width: Math.max(130, implicitWidth)
    autoExclusive: false
    font.pixelSize: textFontSize

    onToggled: {
        control.onClick()
        // The owner's state decides what shows checked, not the click.
        checked = Qt.binding(function() { return control.isSelect })
    }

    background: Rectangle {
        color: "transparent"
        radius: Theme.controlRadius
        border.width: 2
        border.color: Theme.focus
        visible: control.visualFocus
    }

    indicator: Rectangle {
        x: control.leftPadding
        y: (control.height - height) / 2
        implicitWidth: 26
        implicitHeight: 26
        radius: 13
        color: "transparent"
        border.width: 1
        border.color: control.down ? Theme.markPressed : Theme.border

        Rectangle {
            anchors.centerIn: parent
            width: 14
            height: 14
            radius: 7
            color: control.down ? Theme.markPressed : Theme.mark
            visible: control.checked
        }
    }

    contentItem: Text {
        leftPadding: control.indicator.width + 7
        text: control.text
        font: control.font
        opacity: control.enabled ? 1.0 : 0.3
        color: control.down ? Theme.markPressed : Theme.text
        verticalAlignment: Text.AlignVCenter
    }
}
