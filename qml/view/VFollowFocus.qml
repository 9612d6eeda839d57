import QtQuick 2.15

// Scrolls a flickable so that the item the keyboard moves to inside it shows.
VWindowFocus {
    id: follow

    property Flickable flickable: null
    property real margin: 10

    // Only for Tab and Shift+Tab: a click is on something in view already, and
    // scrolling under the pointer would move the control away from the press.
    function reveal(item) {
        if (!flickable || !item || flickable.contentHeight <= flickable.height)
            return
        if (item.focusReason !== Qt.TabFocusReason && item.focusReason !== Qt.BacktabFocusReason)
            return
        var content = flickable.contentItem
        var inside = false
        for (var p = item.parent; p; p = p.parent) {
            if (p === content) {
                inside = true
                break
            }
        }
        if (!inside)
            return
        var top = item.mapToItem(content, 0, 0).y
        var bottom = top + item.height
        var y = flickable.contentY
        if (top - margin < y)
            y = top - margin
        else if (bottom + margin > y + flickable.height)
            y = bottom + margin - flickable.height
        flickable.contentY = Math.max(0, Math.min(y, flickable.contentHeight - flickable.height))
    }

    onCurrentChanged: reveal(current)
}
