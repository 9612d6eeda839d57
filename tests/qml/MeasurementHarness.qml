import QtQuick 2.15
import QtQuick.Layouts 1.15
import "qrc:/screen"
import "qrc:/popup"

// The main window's frame with the real menu, top bar, connection,
// measurement and alarm pages, and stand-ins for the other pages.
Item {
    id: harness

    property int textFontSize: 16
    property int textErrorFontSize: 11
    property int titleFontSize: 25
    property int titlePopupFontSize: 19

    property alias menu: menu
    property alias pages: pageController
    property alias connexionPage: connexionPage
    property alias measurementPage: measurementPage
    property alias alarmPage: alarmPage
    property alias popupWaiting: popupWaiting
    property alias popupAlert: popupAlert
    property alias popupBusMonitor: popupBusMonitor
    property alias notice: notice

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
        StandInPage { id: mainPage }
        StandInPage { id: communicationPage }
        VMeasurement { id: measurementPage }
        VAlarm { id: alarmPage }
        VSettings { id: settingsPage }
        StandInPage { id: chartsPage }
    }

    VPopupWaiting { id: popupWaiting }
    VPopupAlert { id: popupAlert }
    VPopupBusMonitor { id: popupBusMonitor }
    VNotice { id: notice }
}
