import QtQuick 2.15
import QtQuick.Controls 2.15
import "../view"
import "../theme"

// The side menu: page entries, the connection indicator and the hidden charts entry.
Rectangle {
    id: root

    property color menuBackgroundColor: Theme.bar
    property color menuBackgroundSelectColor: Theme.barSelected
    property color menuSelectBarColor: Theme.accent
    property color menuTextColor: Theme.barText
    // Times of the last clicks on the logo, in milliseconds (at most five).
    property var aClickLogo: []

    readonly property bool alarmWarning: backend.connectionState
                                         && (!backend.moduleStatus || backend.fuseBlowL1 || backend.fuseBlowL2
                                             || backend.fuseBlowL3 || backend.temperatureStatus
                                             || !backend.moduleStatusKnown || !backend.fusesKnown
                                             || !backend.temperatureStatusKnown)

    color: menuBackgroundColor

    function clickLogo() {
        var clicks = aClickLogo.slice()
        clicks.push(Date.now())
        if (clicks.length > 5)
            clicks.shift()
        aClickLogo = clicks
        if (clicks.length === 5 && clicks[4] - clicks[0] < 1500)
            btnCharts.visible = true
    }

    function onMenuItemPress(name) {
        if (backend.connectionState) {
            switch (pageController.currentIndex) {
            case 1:
                if (mainPage.checkFieldChanged()) {
                    popupAlert.showWithParams(qsTr("Modification without applying"),
                                              qsTr("Please, save or refresh datas."))
                    return false
                }
                break
            case 2:
                if (communicationPage.checkFieldChanged()) {
                    popupAlert.showWithParams(qsTr("Modification without applying"),
                                              qsTr("Please, save or refresh datas."))
                    return false
                }
                break
            case 3:
                backend.measurementEnable = false
                break
            case 6:
                chartsPage.cleanData()
                backend.chartsEnable = false
                break
            default:
                break
            }
        } else if (pageController.currentIndex === 6) {
            chartsPage.cleanData()
        }

        for (var i = 0; i < entries.children.length; ++i) {
            var entry = entries.children[i]
            if (entry.unselect)
                entry.unselect()
        }

        console.log("Press " + name)

        switch (name) {
        case "connection":
            pageController.currentIndex = 0
            top_bar.setButtonVisible(false, false)
            break
        case "main":
            pageController.currentIndex = 1
            top_bar.setButtonVisible(true, true)
            if (backend.connectionState) {
                popupWaiting.openFor(qsTr("Reading the module…"))
                backend.refreshHomePage()
            }
            break
        case "communication":
            pageController.currentIndex = 2
            top_bar.setButtonVisible(true, true)
            if (backend.connectionState) {
                popupWaiting.openFor(qsTr("Reading the module…"))
                backend.refreshCommunicationPage()
            }
            break
        case "measurement":
            pageController.currentIndex = 3
            top_bar.setButtonVisible(false, false)
            if (backend.connectionState) {
                popupWaiting.openFor(qsTr("Reading the measurements…"))
                backend.refreshMeasurementPage()
            }
            backend.measurementEnable = true
            break
        case "alarm":
            pageController.currentIndex = 4
            top_bar.setButtonVisible(false, false)
            break
        case "settings":
            pageController.currentIndex = 5
            top_bar.setButtonVisible(false, false)
            break
        case "charts":
            pageController.currentIndex = 6
            top_bar.setButtonVisible(false, false)
            backend.chartsEnable = true
            break
        default:
            break
        }
        return true
    }

    // Ctrl+1 to Ctrl+7 choose the entries from the top, as if released on;
    // the charts entry only once revealed. Blocked while a popup is open.
    function activateEntry(n) {
        var entry = entries.children[n]
        if (entry && entry.visible)
            entry.activate()
    }
    Shortcut { sequence: "Ctrl+1"; onActivated: root.activateEntry(0) }
    Shortcut { sequence: "Ctrl+2"; onActivated: root.activateEntry(1) }
    Shortcut { sequence: "Ctrl+3"; onActivated: root.activateEntry(2) }
    Shortcut { sequence: "Ctrl+4"; onActivated: root.activateEntry(3) }
    Shortcut { sequence: "Ctrl+5"; onActivated: root.activateEntry(4) }
    Shortcut { sequence: "Ctrl+6"; onActivated: root.activateEntry(5) }
    Shortcut { sequence: "Ctrl+7"; onActivated: root.activateEntry(6) }

    VFollowFocus {
        flickable: flick
    }

    // Scrolls only when the window is too low for every entry.
    Flickable {
        id: flick
        objectName: "menuFlick"
        anchors.fill: parent
        contentWidth: width
        contentHeight: indicator.y + indicator.height + 10
        boundsBehavior: Flickable.StopAtBounds
        interactive: contentHeight > height

        // A window made taller again shows the top of the menu, not an old scroll.
        function clamp() {
            contentY = Math.max(0, Math.min(contentY, contentHeight - height))
        }
        onHeightChanged: clamp()
        onContentHeightChanged: clamp()

        // Says that there is more below (or above) while the menu does not fit.
        ScrollIndicator.vertical: ScrollIndicator {
            objectName: "menuScrollIndicator"
            active: flick.interactive
            contentItem: Rectangle {
                implicitWidth: 4
                implicitHeight: 40
                radius: 2
                color: root.menuTextColor
                opacity: 0.6
                visible: flick.interactive
            }
        }

        Image {
            id: logo
            objectName: "menuLogo"
            anchors.top: parent.top
            width: parent.width
            height: width * 518 / 1360
            // Decoded at the size shown, not at the file's 1360 pixels.
            sourceSize.width: width
            source: "../images/icons/logo/english_logo.png"
            fillMode: Image.PreserveAspectFit

            MouseArea {
                anchors.fill: parent
                onClicked: root.clickLogo()
            }
        }

        Column {
            id: entries
            anchors.top: logo.bottom
            anchors.topMargin: 9
            width: parent.width

            VMenuButtonFlag {
                id: btnSettings
                objectName: "entrySettings"
                l_text: qsTr("Settings")
                screenName: "settings"
                menu_item_press: function(name) { return root.onMenuItemPress(name) }
            }
            VMenuButton {
                id: btnConnection
                objectName: "entryConnection"
                l_text: qsTr("Connection")
                screenName: "connection"
                menu_item_press: function(name) { return root.onMenuItemPress(name) }
                Component.onCompleted: select()
            }
            VMenuButton {
                objectName: "entryMain"
                l_text: qsTr("Main page")
                screenName: "main"
                menu_item_press: function(name) { return root.onMenuItemPress(name) }
            }
            VMenuButton {
                objectName: "entryCommunication"
                l_text: qsTr("Module & communication settings")
                screenName: "communication"
                menu_item_press: function(name) { return root.onMenuItemPress(name) }
            }
            VMenuButton {
                objectName: "entryMeasurement"
                l_text: qsTr("Measurement")
                screenName: "measurement"
                menu_item_press: function(name) { return root.onMenuItemPress(name) }
            }
            VMenuButton {
                objectName: "entryAlarm"
                l_text: qsTr("Alarms")
                screenName: "alarm"
                ctWarning: root.alarmWarning
                menu_item_press: function(name) { return root.onMenuItemPress(name) }
            }
            VMenuButton {
                id: btnCharts
                objectName: "entryCharts"
                l_text: qsTr("Charts")
                screenName: "charts"
                visible: false
                menu_item_press: function(name) { return root.onMenuItemPress(name) }
            }
        }

        Rectangle {
            id: indicator
            objectName: "connectionIndicator"
            anchors.top: entries.bottom
            anchors.topMargin: 40
            anchors.horizontalCenter: parent.horizontalCenter
            width: 150
            height: 35
            radius: 25
            color: backend.connectionState ? Theme.control : Theme.error

            Text {
                anchors.centerIn: parent
                text: !backend.connectionState ? qsTr("Disconnected")
                                               : linkState.moduleInBootloader ? qsTr("Bootloader") : qsTr("Connected")
                color: backend.connectionState ? Theme.ok : Theme.textOnDark
                font.bold: true
                font.pixelSize: textFontSize
            }
        }
    }
}
