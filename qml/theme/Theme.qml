pragma Singleton
import QtQuick 2.15

// The colours and measures the pages, bars, components and popups draw with.
// The font sizes stay on the main window, where everything reads them by name.
QtObject {
    // Text and lines.
    readonly property color text: "black"
    readonly property color textOnDark: "white"
    readonly property color faintText: "grey"
    readonly property color border: "black"
    readonly property color error: "red"
    readonly property color ok: "green"
    // A result that is neither done nor failed: a module that differs from its file.
    readonly property color warning: "#b36b00"
    // Check marks, radio dots, the combo box' triangle, busy dots, progress.
    readonly property color mark: "black"
    readonly property color markPressed: "#A0000000"
    readonly property color separator: "grey"
    readonly property color selection: "grey"

    // Surfaces.
    readonly property color background: "#ffffff"
    readonly property color panel: "#F0F0F0"
    readonly property color control: "white"
    readonly property color controlPressed: "#c0c0c0"
    // The title band of the popups and the charts' close button.
    readonly property color band: "black"
    readonly property color sectionHeader: "#a0a0a0"
    readonly property color tableCell: "#a0a0a0"
    readonly property color scrollHandle: "#70242424"
    readonly property color progressTrack: "#e6e6e6"
    readonly property color lampOff: "white"
    readonly property color lampBorder: "#808080"
    // Laid over a page's values while they are not live: they show through greyed.
    readonly property color staleVeil: "#80F0F0F0"

    // The side menu and the top bar.
    readonly property color bar: "#242424"
    readonly property color barSelected: "black"
    readonly property color barText: "white"
    readonly property color accent: "#0B96D3"
    // The frame of the control the keyboard is on.
    readonly property color focus: "#0B96D3"

    // Chart.js takes CSS colour texts.
    readonly property string chartFill: "rgba(0,0,0,0.10)"
    readonly property string chartLine: "rgba(232,78,15,255)"

    // Measures.
    readonly property int controlRadius: 10
    readonly property int panelRadius: 15
    // Fields, choices, buttons and values beside their labels.
    readonly property int controlWidth: 200
    // The column a page's panel stands in, and the panel's room around its rows.
    readonly property int contentWidth: 590
    readonly property int panelSideMargin: 20
    readonly property int panelTopMargin: 10
}
