import QtQuick 2.15
import QtQuick.Window 2.15
import "../theme"

// Shown for a second, then brings up the main window. The main window is
// built while the splash shows, in slices between its frames, so that it is
// ready when the second is up instead of being built only then.
Window {
    id: splash

    flags: Qt.SplashScreen | Qt.WindowStaysOnTopHint
    modality: Qt.ApplicationModal
    color: "transparent"
    width: panel.width
    height: panel.height
    x: (Screen.width - width) / 2
    y: (Screen.height - height) / 2

    // The main window, once shown.
    property var mainWindow: null

    // Held here, so that the collector leaves them alone while they work.
    property var component: null
    property var incubator: null
    property bool building: false
    property bool timeUp: false

    Component.onCompleted: {
        visible = true
        timer.start()
    }

    // Not before the splash is on screen: it must not wait for the build.
    onFrameSwapped: build()

    function build() {
        if (building)
            return
        building = true
        component = Qt.createComponent("../mainApp.qml", Component.Asynchronous)
        if (component.status === Component.Loading)
            component.statusChanged.connect(incubate)
        else
            incubate()
    }

    function incubate() {
        if (incubator || component.status === Component.Loading)
            return
        if (component.status !== Component.Ready) {
            console.log(component.errorString())
            return
        }
        incubator = component.incubateObject(splash, {}, Qt.Asynchronous)
        incubator.onStatusChanged = function(status) {
            if (status === Component.Error)
                failed()
            else
                showWhenReady()
        }
        if (incubator.status === Component.Error)
            failed()
        else
            showWhenReady()
    }

    // Created again in one go, which says what went wrong.
    function failed() {
        incubator = null
        component.createObject(splash)
    }

    function showWhenReady() {
        if (!timeUp || mainWindow || !incubator)
            return
        if (incubator.status === Component.Loading) {
            incubator.forceCompletion() // finished now rather than a slice per frame
            if (mainWindow || !incubator)
                return
        }
        if (incubator.status !== Component.Ready)
            return
        mainWindow = incubator.object
        splash.close()
        splash.releaseResources()
        mainWindow.show()
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
            // Decoded at the size shown: the file is almost three times as wide.
            sourceSize.width: width
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
            splash.timeUp = true
            splash.build() // in case no frame came before
            splash.showWhenReady()
        }
    }
}
