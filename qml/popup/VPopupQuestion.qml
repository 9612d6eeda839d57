import QtQuick 2.15
import QtQuick.Controls 2.15

// A question with two answers over another popup: the keyboard on the first
// answer, Escape answers neither. ask() names what each answer does.
VPopupBase {
    id: question

    property var firstAction: null
    property var secondAction: null
    readonly property alias body: questionBody
    property alias buttonWidth: questionBody.buttonWidth
    // The message's own padding and alignment, for a list of lines.
    property alias messageItem: questionBody.messageItem

    function ask(title, message, firstText, secondText, first, second) {
        questionBody.title = title
        questionBody.message = message
        questionBody.firstText = firstText
        questionBody.secondText = secondText
        firstAction = first
        secondAction = second
        open()
    }

    function answer(action) {
        firstAction = null
        secondAction = null
        close()
        if (action)
            action()
    }

    width: 560
    height: Math.min(50 + questionBody.messageItem.implicitHeight + 60, parent ? parent.height - 20 : 560)
    closePolicy: Popup.CloseOnEscape

    onOpened: questionBody.first.keyTarget.forceActiveFocus(Qt.TabFocusReason)

    contentItem: VPopupQuestionBody {
        id: questionBody
        buttonWidth: 170
        messageItem.objectName: "message"
        first.objectName: "firstButton"
        first.onClick: function() { question.answer(question.firstAction) }
        second.objectName: "secondButton"
        second.onClick: function() { question.answer(question.secondAction) }
    }
}
