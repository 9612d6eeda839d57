import QtQuick 2.15
import QtQuick.Controls 2.15

// The stock combo box, restyled: white, rounded, black triangle.
ComboBox {
    id: control

    property bool isError: false

    height: 45
    font.pixelSize: textFontSize

    background: Rectangle {
        implicitWidth: 120
        implicitHeight: 40
        color: "white"
        radius: 10
        border.width: 1
        border.color: control.isError ? "red" : "black"
    }

    contentItem: Text {
        leftPadding: 10
        rightPadding: control.indicator.width + control.spacing
        text: control.displayText
        font: control.font
        color: "black"
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
            ctx.fillStyle = "black"
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
            color: highlighted ? "white" : "black"
            font: control.font
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
        }

        background: Rectangle {
            color: highlighted ? "grey" : "white"
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
            color: "white"
            border.color: "black"
            radius: 2
        }
    }
}
