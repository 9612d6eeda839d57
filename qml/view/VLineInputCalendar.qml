import QtQuick 2.15
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

        VRowLabel {
            id: name
            beside: field
            text: root.label
        }

        VTextField {
            id: field
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            text: root.inputValue
            readOnly: true
            isError: root.isError
            // The field only shows the date: from the keyboard it opens the calendar.
            Keys.onReturnPressed: root.openCalendar()
            Keys.onEnterPressed: root.openCalendar()
            Keys.onSpacePressed: root.openCalendar()

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
                    onClicked: root.openCalendar()
                }
            }
        }
    }

    function openCalendar() {
        if (field.text !== "")
            popup.setInitDate(field.text)
        popup.open()
    }

    VErrorText {
        width: root.width - 20
        shown: root.isError
        text: root.labelError
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
