import QtQuick 2.15
import QtQuick.Layouts 1.15
import "qrc:/screen"
import "qrc:/popup"
import "qrc:/view"

// The main window's frame (qml/mainApp.qml) for the page tests: the real menu,
// top bar, connection page and popups. The pages named in `realPages` are the
// program's own, the others stand-ins whose answers the tests choose. Pages and
// popups reach each other by these names, as in the window.
Item {
    id: harness

    // Any of "main", "communication", "measurement", "alarm", "settings", "charts".
    property var realPages: []

    property int textFontSize: 16
    property int textErrorFontSize: 11
    property int titleFontSize: 25
    property int titlePopupFontSize: 19

    property alias menu: menu
    property alias topBar: top_bar
    property alias pages: pageController
    property alias connexionPage: connexionPage
    readonly property Item mainPage: mainSlot.item
    readonly property Item communicationPage: communicationSlot.item
    readonly property Item measurementPage: measurementSlot.item
    readonly property Item alarmPage: alarmSlot.item
    readonly property Item settingsPage: settingsSlot.item
    readonly property Item chartsPage: chartsSlot.item
    property alias popupWaiting: popupWaiting
    property alias popupAlert: popupAlert
    property alias popupFirmwareUpdate: popupFirmwareUpdate
    // Made when first asked for, as in the window, and kept: the tests hold them.
    readonly property var popupBusMonitor: busMonitorHolder.get()
    readonly property var popupLineView: lineViewHolder.get()
    readonly property var popupSettingsComparison: comparisonHolder.get()
    property alias notice: notice

    function pageOrStandIn(name, real) {
        return realPages.indexOf(name) >= 0 ? real : standIn
    }

    width: 1024
    height: 768

    VMenu {
        id: menu
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 200
    }

    VTop {
        id: top_bar
        anchors.left: menu.right
        anchors.right: parent.right
        anchors.top: parent.top
        height: 85
    }

    StackLayout {
        id: pageController
        anchors.left: menu.right
        anchors.right: parent.right
        anchors.top: top_bar.bottom
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 50
        currentIndex: 0

        VConnexion { id: connexionPage }
        Loader { id: mainSlot; sourceComponent: pageOrStandIn("main", realMain) }
        Loader { id: communicationSlot; sourceComponent: pageOrStandIn("communication", realCommunication) }
        Loader { id: measurementSlot; sourceComponent: pageOrStandIn("measurement", realMeasurement) }
        Loader { id: alarmSlot; sourceComponent: pageOrStandIn("alarm", realAlarm) }
        Loader { id: settingsSlot; sourceComponent: pageOrStandIn("settings", realSettings) }
        Loader { id: chartsSlot; sourceComponent: pageOrStandIn("charts", realCharts) }
    }

    Component { id: realMain; VMain {} }
    Component { id: realCommunication; VCommunication {} }
    Component { id: realMeasurement; VMeasurement {} }
    Component { id: realAlarm; VAlarm {} }
    Component { id: realSettings; VSettings {} }
    Component { id: realCharts; VCharts {} }
    Component { id: standIn; StandInPage {} }

    VPopupWaiting { id: popupWaiting }
    VPopupAlert { id: popupAlert }
    VPopupFirmwareUpdate { id: popupFirmwareUpdate }
    VLazyPopup { id: busMonitorHolder; sourceComponent: Component { VPopupBusMonitor {} } }
    VLazyPopup { id: lineViewHolder; sourceComponent: Component { VPopupLineView {} } }
    VLazyPopup { id: comparisonHolder; sourceComponent: Component { VPopupSettingsComparison {} } }
    VNotice { id: notice }
}
