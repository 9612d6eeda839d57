import QtQuick 2.15
import QtTest 1.2

TestCase {
    name: "MainWindow"
    when: windowShown

    property var splash: null

    function cleanup() {
        if (splash)
            splash.destroy()
        splash = null
    }

    function test_splashThenMainWindow() {
        var component = Qt.createComponent("qrc:/screen/VSplashScreen.qml")
        compare(component.status, Component.Ready, component.errorString())
        var shown = Date.now()
        splash = component.createObject(null)
        verify(splash.visible)
        verify(splash.flags & Qt.SplashScreen)
        verify(splash.flags & Qt.WindowStaysOnTopHint)
        compare(splash.width, 500)
        tryVerify(function() { return splash.mainWindow !== null }, 3000)
        verify(Date.now() - shown >= 1000)
        verify(!splash.visible)

        var app = splash.mainWindow
        verify(app.visible)
        compare(app.title, "Orvalis Software")
        compare(app.width, 1024)
        compare(app.height, 768)
        compare(app.minimumWidth, 800)
        compare(app.minimumHeight, 600)
        compare(app.textFontSize, 16)
        compare(app.textErrorFontSize, 11)
        compare(app.titleFontSize, 25)
        compare(app.titlePopupFontSize, 19)

        var pages = findChild(app.contentItem, "pageController")
        compare(pages.currentIndex, 0)
        compare(pages.children.length, 7)
        verify(findChild(app.contentItem, "entryConnection").isSelect)
        verify(!findChild(app.contentItem, "entryCharts").visible)
        verify(!findChild(app.contentItem, "refreshButton").visible)
        verify(!findChild(app.contentItem, "applyButton").visible)
        compare(findChild(app.contentItem, "connectionIndicator").children[0].text, "Disconnected")
        // The stand-ins of later pages answer the frame's calls.
        for (var i = 1; i < 3; ++i) {
            compare(pages.children[i].checkFieldChanged(), false)
            compare(pages.children[i].checkValidityField(), true)
        }
    }
}
