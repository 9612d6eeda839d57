import QtQuick 2.15
import "../view"

// Picks a date; the owner closes it once it has the date.
VPopupBase {
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

    width: 350
    height: 350

    function confirm() {
        popup.onDateSelect(Qt.formatDate(cal.selectedDate, "dd/MM/yyyy"))
    }

    // The arrows move through the days; Return takes the selected one.
    onOpened: cal.forceActiveFocus()

    contentItem: Item {
        Keys.onReturnPressed: popup.confirm()
        Keys.onEnterPressed: popup.confirm()

        VPopupBand {
            id: band
            text: qsTr("Select a date")
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
                onClick: function() { popup.confirm() }
            }
        }
    }
}
