import QtQuick 2.15

// Being built: the frame's page interface only.
Rectangle {
    Text {
        x: 20
        y: 10
        text: qsTr("Measurement")
        font.pixelSize: titleFontSize
    }
}
