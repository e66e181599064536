import QtQuick
import "qrc:/tarvo/shell"

ScreenPage {}
