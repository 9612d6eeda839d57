import QtQuick 2.15
import QtQuick.Window 2.15
import "../theme"

// Shown for a second, then brings up the main window.
Window {
    id: splash

    flags: Qt.SplashScreen | Qt.WindowStaysOnTopHint
    modality: Qt.ApplicationModal
    color: "transparent"
    width: panel.width
    height: panel.height
    x: (Screen.width - width) / 2
    y: (Screen.height - height) / 2

    property var mainWindow: null

    Component.onCompleted: {
        visible = true
        timer.start()
    }

    Rectangle {
        id: panel
        width: logo.width
        height: logo.height
        color: Theme.background
        border.width: 1
        border.color: Theme.border

        Image {
            id: logo
            width: 500
            height: width * sourceSize.height / Math.max(1, sourceSize.width)
            source: "../images/icons/logo/english_logo.png"
            fillMode: Image.PreserveAspectFit
        }

        Text {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: 10
            text: "v" + SW_VERSION
            color: Theme.faintText
            font.pixelSize: 12
        }
    }

    Timer {
        id: timer
        interval: 1000
        onTriggered: {
            var component = Qt.createComponent("../mainApp.qml")
            if (component.status !== Component.Ready) {
                console.log(component.errorString())
                return
            }
            splash.mainWindow = component.createObject(splash)
            splash.close()
            splash.mainWindow.show()
        }
    }
}
