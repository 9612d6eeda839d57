import QtQuick 2.15

// Being built: the frame's page interface only.
Rectangle {
    function cleanData() {}
    Text {
        x: 20
        y: 10
        text: qsTr("Charts")
        font.pixelSize: titleFontSize
    }
}
