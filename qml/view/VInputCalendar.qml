import QtQuick 2.15
import QtQuick.Controls 1.4 as C1

C1.Calendar {
    minimumDate: new Date(2017, 0, 1)
    maximumDate: new Date(2018, 0, 1)
}
