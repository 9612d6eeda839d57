import QtQuick 2.15
import QtQuick.Controls 1.4 as C1

// Month and day names follow the chosen language.
C1.Calendar {
    locale: Qt.locale(backend.language)
}
