import QtQuick
import Tarvo.Ui

ScreenPage {}
