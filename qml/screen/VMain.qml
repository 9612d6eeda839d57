import QtQuick 2.15

// Being built: the frame's page interface only.
Rectangle {
    function checkFieldChanged() { return false }
    function checkValidityField() { return true }
    function clearFieldChanged() {}
    Text {
        x: 20
        y: 10
        text: qsTr("Main page")
        font.pixelSize: titleFontSize
    }
}
