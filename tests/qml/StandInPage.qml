import QtQuick 2.15

// A page of later work as the frame sees it; counts the calls it gets.
Item {
    property bool modified: false
    property bool valid: true
    property int validityChecks: 0
    property int clears: 0
    property int cleans: 0

    function checkFieldChanged() { return modified }
    function checkValidityField() { validityChecks++; return valid }
    function confirmApply(apply) { apply() }
    function clearFieldChanged() { clears++; modified = false }
    function cleanData() { cleans++ }
}
