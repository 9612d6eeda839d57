import QtQuick 2.15
import QtQuick.Window 2.15

// What has the keyboard in the window this item is put in.
Item {
    readonly property Item current: Window.window ? Window.window.activeFocusItem : null

    visible: false
}
