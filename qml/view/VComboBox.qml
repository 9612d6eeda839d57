import QtQuick 2.15
import QtQuick.Controls 2.15
import "../theme"

// The stock combo box, restyled: white, rounded, black triangle.
ComboBox {
    id: control

    property bool isError: false

    height: 45
    font.pixelSize: textFontSize

    background: Rectangle {
        implicitWidth: 120
        implicitHeight: 40
        color: Theme.control
        radius: Theme.controlRadius
        border.width: control.visualFocus ? 2 : 1
        border.color: control.isError ? Theme.error : (control.visualFocus ? Theme.focus : Theme.border)
    }

    contentItem: Text {
        leftPadding: 10
        rightPadding: control.indicator.width + control.spacing
        text: control.displayText
        font: control.font
        color: Theme.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }

    indicator: Canvas {
        id: triangle
        x: control.width - width - control.rightPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        width: 12
        height: 8
        contextType: "2d"

        Connections {
            target: control
            function onActiveFocusChanged() { triangle.requestPaint() }
        }

        onPaint: {
            var ctx = getContext("2d")
            ctx.reset()
            ctx.moveTo(0, 0)
            ctx.lineTo(width, 0)
            ctx.lineTo(width / 2, height)
            ctx.closePath()
            ctx.fillStyle = Theme.mark
            ctx.fill()
        }
    }

    delegate: ItemDelegate {
        width: control.width
        height: 30
        highlighted: control.highlightedIndex === index

        contentItem: Text {
            text: control.textRole
                  ? (Array.isArray(control.model) ? modelData[control.textRole] : model[control.textRole])
                  : modelData
            color: highlighted ? Theme.textOnDark : Theme.text
            font: control.font
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        background: Rectangle {
            color: highlighted ? Theme.selection : Theme.control
        }
    }

    popup: Popup {
        y: control.height - 1
        width: control.width
        implicitHeight: contentItem.implicitHeight + 2
        padding: 1

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: control.popup.visible ? control.delegateModel : null
            currentIndex: control.highlightedIndex
            ScrollIndicator.vertical: ScrollIndicator {}
        }

        background: Rectangle {
            color: Theme.control
            border.color: Theme.border
            radius: 2
        }
    }
}
