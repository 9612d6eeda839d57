import QtQuick 2.15
import "../view"

// Picks a date; the owner closes it once it has the date. The calendar (of the
// classic controls, a module of its own) is made when first needed.
VPopupBase {
    id: popup

    property var onDateSelect
    property date _selectedDate
    readonly property alias calendar: calendarLoader.item

    function ensureCalendar() {
        calendarLoader.active = true
    }

    function setInitDate(initDate) {
        if (String(initDate).indexOf("/") < 0)
            return
        var date = Date.fromLocaleString(Qt.locale(backend.language), initDate, "dd/MM/yyyy")
        if (!isNaN(date.getTime())) {
            ensureCalendar()
            calendar.selectedDate = date
        }
    }

    function confirm() {
        popup.onDateSelect(Qt.formatDate(calendar.selectedDate, "dd/MM/yyyy"))
    }

    on_SelectedDateChanged: {
        if (!isNaN(_selectedDate.getTime())) {
            ensureCalendar()
            calendar.selectedDate = _selectedDate
        }
    }

    width: 350
    height: 350

    onAboutToShow: ensureCalendar()
    // The arrows move through the days; Return takes the selected one.
    onOpened: calendar.forceActiveFocus()

    contentItem: Item {
        Keys.onReturnPressed: popup.confirm()
        Keys.onEnterPressed: popup.confirm()

        VPopupBand {
            id: band
            text: qsTr("Select a date")
        }

        Loader {
            id: calendarLoader
            anchors.top: band.bottom
            anchors.bottom: buttons.top
            anchors.left: parent.left
            anchors.right: parent.right
            active: false
            sourceComponent: VCalendar {}
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
