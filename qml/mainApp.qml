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

        VConnexion {
            id: connexionPage
        }

        // Placeholder until the home page exists.
        Rectangle {
            id: mainPage
            function checkFieldChanged() { return false }
            function checkValidityField() { return true }
            function clearFieldChanged() {}
            Text {
                x: 20
                y: 10
                text: qsTr("Main page")
                font.pixelSize: titleFontSize
            }
        }

        // Placeholder until the communication page exists.
        Rectangle {
            id: communicationPage
            function checkFieldChanged() { return false }
            function checkValidityField() { return true }
            function clearFieldChanged() {}
            Text {
                x: 20
                y: 10
                text: qsTr("Module & communication settings")
                font.pixelSize: titleFontSize
            }
        }

        // Placeholder until the measurement page exists.
        Rectangle {
            id: measurementPage
            Text {
                x: 20
                y: 10
                text: qsTr("Measurement")
                font.pixelSize: titleFontSize
            }
        }

        // Placeholder until the alarm page exists: the lamps only.
        Rectangle {
            id: alarmPage
            Text {
                id: alarmTitle
                x: 20
                y: 10
                text: qsTr("Alarms")
                font.pixelSize: titleFontSize
            }
            Column {
                anchors.top: alarmTitle.bottom
                anchors.topMargin: 20
                anchors.horizontalCenter: parent.horizontalCenter
                width: 550
                VLineState {
                    label: qsTr("Module status")
                    ctState: backend.moduleStatus
                    ctStateDisable: !backend.connectionState
                }
                VLineState {
                    label: qsTr("Fuse status L1")
                    ctState: !backend.fuseBlowL1
                    ctStateDisable: !backend.connectionState
                }
                VLineState {
                    label: qsTr("Fuse status L2")
                    ctState: !backend.fuseBlowL2
                    ctStateDisable: !backend.connectionState
                }
                VLineState {
                    label: qsTr("Fuse status L3")
                    ctState: !backend.fuseBlowL3
                    ctStateDisable: !backend.connectionState
                }
                VLineState {
                    label: qsTr("Temperature status")
                    ctState: !backend.temperatureStatus
                    ctStateDisable: !backend.connectionState
                }
            }
        }

        VSettings {
            id: settingsPage
        }

        // Placeholder until the charts page exists.
        Rectangle {
            id: chartsPage
            function cleanData() {}
            Text {
                x: 20
                y: 10
                text: qsTr("Charts")
                font.pixelSize: titleFontSize
            }
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
}
