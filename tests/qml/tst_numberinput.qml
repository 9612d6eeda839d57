import QtQuick 2.15
import QtTest 1.2

// The pages' whole-number fields take digits only, whatever the locale's
// separators: what the field shows is what backend receives.
Item {
    id: root

    width: 1024
    height: 768

    Component {
        id: harnessComponent
        Harness {
            realPages: ["main", "communication"]
            anchors.fill: parent
        }
    }

    // Puts text on the clipboard, and takes the focus off a field.
    TextInput {
        id: clipboardSource
    }

    TestCase {
        name: "NumberInput"
        when: windowShown

        property var h: null

        // Each page is made after the locale is set: a validator keeps the
        // locale it was made with.
        function pagesIn(locale) {
            testLocale.setDefault(locale)
            compare(Qt.locale().name, locale)
            h = createTemporaryObject(harnessComponent, root)
            verify(h)
            var sections = ["general", "thresholds", "others"]
            for (var i = 0; i < sections.length; ++i)
                findChild(h.communicationPage, sections[i]).isOpen = true
        }

        function cleanup() {
            testLocale.setDefault("")
        }

        function field(name) {
            var pages = [h.mainPage, h.communicationPage]
            for (var p = 0; p < pages.length; ++p) {
                var found = findChild(pages[p], name)
                if (found) {
                    h.pages.currentIndex = p + 1
                    return found
                }
            }
            fail("no field " + name)
        }

        function type(row, text) {
            var input = row._txtField
            input.forceActiveFocus()
            verify(input.activeFocus)
            input.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        function paste(row, text) {
            clipboardSource.text = text
            clipboardSource.selectAll()
            clipboardSource.copy()
            var input = row._txtField
            input.forceActiveFocus()
            input.selectAll()
            keySequence(StandardKey.Paste)
        }

        function test_digitsOnly_data() {
            var cases = [
                { field: "temperatureThresholdValue", typed: "6,5", text: "65" },
                { field: "limitVoltageDuration", typed: "6.5", text: "65" },
                { field: "callMonitoringTime", typed: "1.000", text: "1000" },
                { field: "limitVoltage", typed: "65,535", text: "65535" },
                { field: "password", typed: "1,", text: "1" },
                { field: "timeDurationMeans", typed: "-7", text: "7" },
                { field: "minimumTimeMessage", typed: "+5", text: "5" },
                { field: "limitCurrent", typed: "42", pasted: "1 000", text: "42" },
                { field: "limitCurrentDuration", typed: "", pasted: "1000", text: "1000" }
            ]
            var data = []
            var locales = ["en_US", "de_DE"]
            for (var l = 0; l < locales.length; ++l) {
                for (var i = 0; i < cases.length; ++i) {
                    var c = cases[i]
                    data.push({ tag: locales[l] + " " + c.field + " " + (c.pasted === undefined
                                    ? "typed " + c.typed : "pasted " + c.pasted),
                                locale: locales[l], field: c.field, typed: c.typed,
                                pasted: c.pasted, text: c.text })
                }
            }
            return data
        }

        function test_digitsOnly(data) {
            pagesIn(data.locale)
            var row = field(data.field)
            type(row, data.typed)
            if (data.pasted !== undefined)
                paste(row, data.pasted)
            compare(row._text, data.text)
            verify(!row.isError)
            compare(row.inputValue, Number(data.text))
            compare(backend[data.field], Number(data.text))
            // Leaving the field keeps the text and the value as they are.
            clipboardSource.forceActiveFocus()
            verify(!row._txtField.activeFocus)
            compare(row._text, data.text)
            compare(row.inputValue, Number(data.text))
            compare(backend[data.field], Number(data.text))
        }
    }
}
