import QtQuick 2.15
import "../view"
import "../theme"

// Refresh and Apply of the pages that read and write the module, and the bus monitor.
Rectangle {
    id: root

    color: Theme.bar

    function setButtonVisible(btnRefreshVisible, btnApplyVisible) {
        btnRefresh.visible = btnRefreshVisible
        btnApply.visible = btnApplyVisible
    }

    function refresh() {
        if (!backend.connectionState)
            return
        switch (pageController.currentIndex) {
        case 1:
            popupWaiting.openFor(qsTr("Reading the module…"))
            backend.refreshHomePage()
            break
        case 2:
            popupWaiting.openFor(qsTr("Reading the module…"))
            backend.refreshCommunicationPage()
            break
        case 3:
            popupWaiting.openFor(qsTr("Reading the measurements…"))
            backend.refreshMeasurementPage()
            break
        default:
            break
        }
    }

    function apply() {
        if (!backend.connectionState)
            return
        switch (pageController.currentIndex) {
        case 1:
            if (mainPage.checkValidityField()) {
                popupWaiting.openFor(qsTr("Writing the settings to the module…"))
                backend.applyHomePage()
            } else {
                console.log("mainPage Error during check communication validity field")
            }
            break
        case 2:
            if (communicationPage.checkValidityField()) {
                // Serial settings that move the module off the link are confirmed first.
                communicationPage.confirmApply(function() {
                    popupWaiting.openFor(qsTr("Writing the settings to the module…"))
                    backend.applyCommunicationPage()
                })
            } else {
                console.log("communicationPage Error during check communication validity field")
            }
            break
        default:
            break
        }
    }

    // Only where the buttons show; blocked while a popup is open.
    Shortcut {
        sequence: "F5"
        enabled: btnRefresh.visible
        onActivated: root.refresh()
    }
    Shortcut {
        sequence: "Ctrl+S"
        enabled: btnApply.visible
        onActivated: root.apply()
    }

    // On every page, connected or not: the monitor also shows a connect's probe.
    VButton {
        objectName: "busMonitorButton"
        anchors.left: parent.left
        anchors.leftMargin: 20
        anchors.verticalCenter: parent.verticalCenter
        width: 130
        l_text: qsTr("Bus monitor")
        onClick: function() { busMonitorHolder.get().open() }
    }

    // Beside it, wherever the connection page names a line.
    VButton {
        objectName: "lineViewButton"
        anchors.left: parent.left
        anchors.leftMargin: 160
        anchors.verticalCenter: parent.verticalCenter
        width: 64
        visible: connexionPage.lineViewPossible
        l_text: qsTr("Line")
        onClick: function() { connexionPage.lineClicked() }
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: btnApply.visible ? 40 : 220
        height: parent.height
        spacing: 30

        VTopButton {
            id: btnRefresh
            objectName: "refreshButton"
            visible: false
            _text: qsTr("Refresh")
            logoPath: "../images/icons/contents/refresh.png"
            onClick: function() { root.refresh() }
        }

        VTopButton {
            id: btnApply
            objectName: "applyButton"
            visible: false
            _text: qsTr("Apply")
            logoPath: "../images/icons/contents/apply.png"
            onClick: function() { root.apply() }
        }
    }
}
