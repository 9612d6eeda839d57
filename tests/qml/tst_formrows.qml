import QtQuick 2.15
import QtTest 1.2
import "qrc:/view"

Item {
    id: root

    property int textFontSize: 16
    property int textErrorFontSize: 11
    property int titleFontSize: 25

    width: 600
    height: 700

    Column {
        id: column
        width: 550

        VLineInputNumber {
            id: withError
            label: "With error text"
            labelError: "Value must be between 1 and 60."
            property var received: []
            _checkError: function(value) { return value < 1 || value > 60 }
            _txtChanged: function(value) { received.push(value) }
        }

        VLineInputNumber {
            id: withoutError
            label: "Without error text"
            property var received: []
            _txtChanged: function(value) { received.push(value) }
        }

        VLineInputNumber {
            id: bound
            property int source: 5
            label: "Bound"
            _text: source
        }

        VLineTable {
            id: table
            arrayValue: ["Current", "1", "2", "3"]
            labelUnit: "A"
        }

        VLineTable {
            id: tableWithoutTitle
            arrayValue: ["", "1", "2"]
            cellFirstWidth: 0
            cellWidth: 80
        }

        VLineComboBox {
            id: choice
            label: "Choice"
            _model: ["a", "b", "c"]
            property int selections: 0
            _selectChanged: function() { selections++ }
            _checkError: function(index) { return index === 2 }
        }

        VLineRadioButton {
            id: twoWay
            label: "Two-way"
            labelFirstElem: "50 Hz"
            labelSecondElem: "60 Hz"
            property var received: []
            _selectChanged: function(index) { received.push(index) }
        }

        VLineInputString {
            id: text
            label: "Text"
            property var received: []
            _txtChanged: function(value) { received.push(value) }
        }

        VLineInputCalendar {
            id: dateRow
            label: "Installation date"
            inputValue: "15/03/2021"
            property var received: []
            _txtChanged: function(value) { received.push(value) }
        }

        VAccordion {
            id: section
            _text: "Section"
            _child: Column {
                Rectangle { width: 100; height: 80 }
            }
        }
    }

    TestCase {
        name: "FormRows"
        when: windowShown

        function typeInto(row, text) {
            var field = row._txtField
            field.forceActiveFocus()
            field.selectAll()
            keyClick(Qt.Key_Backspace)
            for (var i = 0; i < text.length; ++i)
                keyClick(text.charAt(i))
        }

        function init() {
            withError._text = "30"
            withError.isError = false
            withError.hasChanged = false
            withError.received = []
            withoutError._text = "7"
            withoutError.isError = false
            withoutError.hasChanged = false
            withoutError.received = []
        }

        function test_typedValueIsKept() {
            typeInto(withError, "45")
            compare(withError.inputValue, 45)
            verify(!withError.isError)
            verify(withError.hasChanged)
            compare(withError.received[withError.received.length - 1], 45)
        }

        function test_rejectedValueKeepsInputValueButIsPassedOn() {
            typeInto(withError, "45")
            typeInto(withError, "0")
            verify(withError.isError)
            compare(withError.inputValue, 45)
            compare(withError.received[withError.received.length - 1], 0)
            // Typed on: each text is judged as it stands.
            typeInto(withError, "61")
            verify(withError.isError)
            compare(withError.inputValue, 6)
            compare(withError.received[withError.received.length - 1], 61)
            // The error text shows under the field, in red.
            var errorText = withError.children[withError.children.length - 1]
            verify(errorText.visible)
            compare(errorText.text, "Value must be between 1 and 60.")
        }

        function test_emptyFieldWithErrorText() {
            typeInto(withError, "")
            verify(withError.isError)
            compare(withError.received[withError.received.length - 1], -1)
        }

        function test_emptyFieldWithoutErrorText() {
            withoutError.isError = false
            typeInto(withoutError, "")
            verify(!withoutError.isError)
            compare(withoutError.received[withoutError.received.length - 1], -1)
            // An error set before stays as it was.
            withoutError._text = "3"
            withoutError.isError = true
            typeInto(withoutError, "")
            verify(withoutError.isError)
        }

        function test_textThatIsNotANumber_data() {
            return [{ tag: "letters", text: "abc", kept: 20 },
                    { tag: "digits then letters", text: "12a", kept: 12 }]
        }

        function test_textThatIsNotANumber(data) {
            typeInto(withError, "20")
            var passedOn = withError.received.length
            typeInto(withError, data.text)
            verify(withError.isError)
            // The last number typed stands; the letters never become one.
            compare(withError.inputValue, data.kept)
            // Whatever reached the owner along the way was a number.
            for (var i = passedOn; i < withError.received.length; ++i)
                verify(!isNaN(withError.received[i]))
        }

        function test_refreshSetsHasChanged() {
            bound.hasChanged = false
            bound.source = 9
            compare(bound._text, "9")
            verify(bound.hasChanged)
            compare(bound.inputValue, 9)
        }

        function test_tableRowSize() {
            compare(table.width, 3 * 95 + 160 + 5)
            compare(table.height, 40)
            // Centred in its parent.
            compare(table.x, (column.width - table.width) / 2)
        }

        function test_tableRowWithoutTitleColumn() {
            compare(tableWithoutTitle.width, 2 * 85 + 0 + 5)
        }

        function test_tableCellsShowTheUnit() {
            compare(findChild(table, "cell1").children[0].text, "1A")
            compare(findChild(table, "cell0").children[0].text, "Current")
            // A value cell starts where the title ends.
            compare(findChild(table, "cell1").x, 160)
            compare(findChild(table, "cell3").x, 2 * 95 + 160)
        }

        function test_choiceRow() {
            choice.hasChanged = false
            var before = choice.selections
            choice._currentIndex = 2
            compare(choice.selections, before + 1)
            verify(choice.hasChanged)
            verify(choice.isError)
            choice._currentIndex = 1
            verify(!choice.isError)
        }

        function test_twoWayChoice() {
            twoWay.hasChanged = false
            compare(twoWay.currentSelect, 0)
            verify(twoWay.rb1.checked)
            mouseClick(twoWay.rb2)
            compare(twoWay.currentSelect, 1)
            verify(twoWay.hasChanged)
            compare(twoWay.received, [1])
            verify(twoWay.rb2.checked)
            verify(!twoWay.rb1.checked)
            mouseClick(twoWay.rb1)
            compare(twoWay.currentSelect, 0)
            compare(twoWay.received, [1, 0])
        }

        function test_twoWayChoiceFollowsItsOwner() {
            twoWay.currentSelect = 1
            verify(twoWay.rb2.checked)
            twoWay.hasChanged = false
            twoWay.currentSelect = 0
            verify(twoWay.rb1.checked)
            // Only the operator's click marks a change.
            verify(!twoWay.hasChanged)
        }

        function test_textRow() {
            text.hasChanged = false
            typeInto(text, "AB1")
            verify(text.hasChanged)
            compare(text.received[text.received.length - 1], "AB1")
            verify(!text.isError)
        }

        function test_dateRow() {
            dateRow.hasChanged = false
            mouseClick(findChild(dateRow, "calendarIcon"))
            var popup = findChild(dateRow, "calendarPopup")
            tryCompare(popup, "opened", true)
            // Preset with the field's date.
            compare(Qt.formatDate(popup.calendar.selectedDate, "dd/MM/yyyy"), "15/03/2021")
            verify(!dateRow.hasChanged)
            mouseClick(findChild(popup.contentItem, "updateButton"))
            compare(dateRow.received, ["15/03/2021"])
            verify(dateRow.hasChanged)
            tryCompare(popup, "visible", false)
            // A new text from the owner is not a change by the operator.
            dateRow.hasChanged = false
            dateRow.inputValue = "01/01/2020"
            verify(!dateRow.hasChanged)
        }

        function test_accordion() {
            compare(section.isOpen, false)
            compare(section.height, 35 + 2)
            mouseClick(section, section.width / 2, 15)
            verify(section.isOpen)
            tryCompare(section, "height", 35 + 5 + 80 + 7)
            mouseClick(section, section.width / 2, 15)
            tryCompare(section, "height", 37)
        }
    }
}
