.pragma library

// What the form pages share: how their rows show values and report the
// operator's changes. The baud rates they offer and the settings' ranges are
// the settings table's (`settingsTable`).

// -1 is a value that could not be read: an empty field.
function numberText(value) {
    return value === -1 ? "" : String(value)
}

// Rows without a change flag (labels, separators, buttons) are passed over.
function anyChanged(rows) {
    for (var i = 0; i < rows.length; ++i) {
        if (rows[i].hasChanged === true)
            return true
    }
    return false
}

// A local path that opens the file: "file:///C:/x" gives "C:/x",
// "file:///home/x" keeps its leading slash, "file://host/share" stays a UNC path.
function localPath(url) {
    var s = String(url)
    if (s.indexOf("file:///") === 0) {
        s = s.substring(7)
        if (/^\/[A-Za-z]:/.test(s))
            s = s.substring(1)
    } else if (s.indexOf("file://") === 0) {
        s = s.substring(5)
    } else if (s.indexOf("file:") === 0) {
        s = s.substring(5)
    }
    try {
        return decodeURIComponent(s)
    } catch (e) {
        return s
    }
}

function clearChanged(rows) {
    for (var i = 0; i < rows.length; ++i) {
        if (rows[i].hasChanged === true)
            rows[i].hasChanged = false
    }
}

// The apply refusal's message with the labels of the fields in error under
// it, one a line, each with its section when it has one ({label, section}).
function inputErrorMessage(message, fields) {
    var names = fields.map(function(f) { return f.section ? f.label + " (" + f.section + ")" : f.label })
    return names.length === 0 ? message : message + "\n\n" + names.join("\n")
}

// The rows of a ListModel whose `ticked` is set, in their order.
function tickedRows(model) {
    var ticked = []
    for (var i = 0; i < model.count; ++i) {
        if (model.get(i).ticked)
            ticked.push(model.get(i))
    }
    return ticked
}
