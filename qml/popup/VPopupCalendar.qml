import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"

// Picks a date; the owner closes it once it has the date.
Popup {
    id: popup

    property var onDateSelect
    property date _selectedDate
    readonly property alias calendar: cal

    function setInitDate(initDate) {
        if (String(initDate).indexOf("/") < 0)
            return
        var date = Date.fromLocaleString(Qt.locale(backend.language), initDate, "dd/MM/yyyy")
        if (!isNaN(date.getTime()))
            cal.selectedDate = date
    }

    on_SelectedDateChanged: {
        if (!isNaN(_selectedDate.getTime()))
            cal.selectedDate = _selectedDate
    }

    parent: Overlay.overlay
    x: Math.round((parent.width - width) / 2)
    y: Math.round((parent.height - height) / 2)
    width: 350
    height: 350
    modal: true
    focus: true
    padding: 0

    background: Rectangle { color: "white" }

    contentItem: Item {
        Rectangle {
            id: band
            width: parent.width
            height: 50
            color: "black"

            Text {
                anchors.centerIn: parent
                text: qsTr("Select a date")
                color: "white"
                font.pixelSize: titlePopupFontSize
            }
        }

        VCalendar {
            id: cal
            anchors.top: band.bottom
            anchors.bottom: buttons.top
            anchors.left: parent.left
            anchors.right: parent.right
        }

        Item {
            id: buttons
            anchors.bottom: parent.bottom
            width: parent.width
            height: 60

            VButton {
                objectName: "updateButton"
                anchors.centerIn: parent
                l_text: qsTr("Update")
                onClick: function() { popup.onDateSelect(Qt.formatDate(cal.selectedDate, "dd/MM/yyyy")) }
            }
        }
    }
}
