import QtQuick 2.15
import QtQuick.Controls 2.15
import "../popup"

// A read-only date field; the date is chosen in its own calendar popup.
Column {
    id: root

    property string label
    property string labelError
    property string inputValue: ""
    property bool isError: false
    property bool hasChanged: false
    property alias _txtField: field
    property alias _text: field.text
    property var _txtChanged

    width: parent ? parent.width : 0
    topPadding: 7
    bottomPadding: 7
    spacing: 2

    Item {
        width: root.width
        height: Math.max(name.implicitHeight, field.height)

        Text {
            id: name
            anchors.left: parent.left
            anchors.right: field.left
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: root.label
            color: "black"
            wrapMode: Text.WordWrap
            font.pixelSize: textFontSize
        }

        TextField {
            id: field
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            width: 200
            text: root.inputValue
            readOnly: true
            leftPadding: 15
            rightPadding: 15
            topPadding: 5
            bottomPadding: 5
            color: "black"
            placeholderTextColor: "grey"
            selectionColor: "grey"
            selectedTextColor: "white"
            selectByMouse: true
            horizontalAlignment: TextInput.AlignHCenter
            font.pixelSize: textFontSize

            background: Rectangle {
                color: "white"
                radius: 10
                border.width: 1
                border.color: root.isError ? "red" : "black"
            }

            Image {
                id: icon
                objectName: "calendarIcon"
                anchors.right: parent.right
                anchors.top: parent.top
                anchors.bottom: parent.bottom
                anchors.margins: 5
                width: height
                source: "../images/icons/contents/calendar.png"
                fillMode: Image.PreserveAspectFit

                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        if (field.text !== "")
                            popup.setInitDate(field.text)
                        popup.open()
                    }
                }
            }
        }
    }

    Text {
        width: root.width - 20
        visible: root.isError && text !== ""
        text: root.labelError
        color: "red"
        wrapMode: Text.WordWrap
        font.pixelSize: textErrorFontSize
    }

    VPopupCalendar {
        id: popup
        objectName: "calendarPopup"
        onDateSelect: function(date) {
            if (root._txtChanged)
                root._txtChanged(date)
            root.hasChanged = true
            popup.close()
        }
    }
}
