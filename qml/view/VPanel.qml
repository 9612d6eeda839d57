import QtQuick 2.15
import "../theme"

// The light panel a page's rows stand on: a column with the panel's margins,
// the panel as high as the column and the room left under it.
Rectangle {
    id: root

    default property alias rows: body.data
    property alias spacing: body.spacing
    property real topMargin: Theme.panelTopMargin
    property real bottomMargin: 0
    // The rows' own height, without the margins.
    readonly property alias bodyHeight: body.height

    height: topMargin + body.height + bottomMargin
    color: Theme.panel
    radius: Theme.panelRadius

    Column {
        id: body
        y: root.topMargin
        x: Theme.panelSideMargin
        width: root.width - 2 * Theme.panelSideMargin
    }
}
