import QtQuick 2.15
import QtQuick.Controls 2.15
import QtQuick.Layouts 1.15
import "screen"
import "popup"
import "view"

ApplicationWindow {
    id: app

    // Read by name by every page, component and popup.
    property int textFontSize: 16
    property int textErrorFontSize: 11
    property int titleFontSize: 25
    property int titlePopupFontSize: 19

    visible: false
    width: 1024
    height: 768
    minimumWidth: 800
    minimumHeight: 600
    title: qsTr("Orvalis Software")

    // Closing during a firmware update would leave the module in its
    // bootloader, closing with changes not applied would lose them: asked
    // first, once.
    onClosing: function(close) {
        if (popupCloseUpdate.leaving || popupCloseEdits.leaving) {
            close.accepted = true
            return
        }
        popupCloseEdits.pages = pagesWithEdits()
        close.accepted = popupCloseUpdate.mayClose() && popupCloseEdits.mayClose()
    }

    // As the menu, which lets a page with changes be left only when disconnected.
    function pagesWithEdits() {
        if (!backend.connectionState)
            return []
        return [mainPage, communicationPage].filter(function(page) { return page.checkFieldChanged() })
                                            .map(function(page) { return page.label })
    }

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

    VBottom {
        id: bottom_bar
        anchors.left: menu.right
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        height: 50
    }

    StackLayout {
        id: pageController
        objectName: "pageController"
        anchors.left: menu.right
        anchors.right: parent.right
        anchors.top: top_bar.bottom
        anchors.bottom: bottom_bar.top
        currentIndex: 0
        // Under the bus monitor, which covers it, the page is not drawn: a
        // software renderer would redraw it at every poll for nothing.
        visible: !(busMonitorHolder.item && busMonitorHolder.item.visible)

        VConnexion {
            id: connexionPage
            objectName: "connexionPage"
        }

        VMain {
            id: mainPage
            objectName: "mainPage"
        }

        VCommunication {
            id: communicationPage
            objectName: "communicationPage"
        }

        VMeasurement {
            id: measurementPage
            objectName: "measurementPage"
        }

        VAlarm {
            id: alarmPage
            objectName: "alarmPage"
        }

        VSettings {
            id: settingsPage
            objectName: "settingsPage"
        }

        VCharts {
            id: chartsPage
            objectName: "chartsPage"
        }
    }

    VPopupWaiting {
        id: popupWaiting
        objectName: "popupWaiting"
    }

    VPopupAlert {
        id: popupAlert
        objectName: "popupAlert"
    }

    VPopupFirmwareUpdate {
        id: popupFirmwareUpdate
        objectName: "popupFirmwareUpdate"
    }

    VPopupCloseUpdate {
        id: popupCloseUpdate
        objectName: "popupCloseUpdate"
        updateRunning: popupFirmwareUpdate.isInUpdate || lineModules.updating
        onCloseAnyway: app.close()
    }

    VPopupCloseEdits {
        id: popupCloseEdits
        objectName: "popupCloseEdits"
        onCloseAnyway: app.close()
    }

    // Made when first opened. The bus monitor is kept then: it holds the
    // operator's "Raw words", picked row and folder. The comparison fills
    // itself anew at each opening, so it goes once closed.
    VLazyPopup {
        id: busMonitorHolder
        sourceComponent: Component {
            VPopupBusMonitor {
                objectName: "popupBusMonitor"
            }
        }
    }

    VLazyPopup {
        id: lineViewHolder
        sourceComponent: Component {
            VPopupLineView {
                objectName: "popupLineView"
            }
        }
    }

    VLazyPopup {
        id: comparisonHolder
        freeWhenClosed: true
        sourceComponent: Component {
            VPopupSettingsComparison {
                objectName: "popupSettingsComparison"
            }
        }
    }

    VNotice {
        id: notice
        objectName: "notice"
        pageLeft: menu.width
    }
}
