import QtQuick 2.15
import QtQuick.Window 2.15

// Shown for a second, then brings up the main window.
Window {
    id: splash
    visible: true
    width: 480
    height: 240
    flags: Qt.SplashScreen
    color: "#303030"

    Text {
        anchors.centerIn: parent
        text: "Orvalis " + SW_VERSION
        color: "white"
        font.pixelSize: 28
    }

    Timer {
        interval: 1000
        running: true
        onTriggered: {
            var component = Qt.createComponent("qrc:/mainApp.qml")
            var window = component.createObject(null)
            if (window === null)
                console.log(component.errorString())
            splash.visible = false
        }
    }
}
