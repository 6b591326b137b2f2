// The main window around the picture. The program lays the video over the dark well at
// (35, 48, 385 x 282), sets `filename` for the title and the knob position (0 to 100, with a
// point or a comma) for the seek knob, and hears the title strip and the knob through `command`.
// QML property names cannot begin with a capital, so the program's "KnobPosition" variable is
// the `knobPosition` property here.
import QtQuick
import QtQuick.Shapes

Rectangle {
    id: root

    width: 457
    height: 378
    color: "#13161b"

    property string filename: ""
    property string knobPosition: ""

    signal command(string name, string args)

    readonly property color accent: "#41b4ff"

    // Where the picture goes; the program places the video exactly here.
    readonly property rect videoRect: Qt.rect(35, 48, 385, 282)

    // The number the position text begins with, a comma read as the decimal point; anything
    // else, or nothing, is 0. Kept within 0 to 100.
    function parsePosition(text) {
        const m = /^\s*([+-]?(?:\d+(?:[.,]\d*)?|[.,]\d+)(?:[eE][+-]?\d+)?)/.exec(text)
        if (!m)
            return 0
        const value = Number(m[1].replace(",", "."))
        return isFinite(value) ? Math.max(0, Math.min(100, value)) : 0
    }
    // A position for the program: a point as decimal separator, no exponent, no trailing zeros.
    function formatPosition(value) {
        return String(Number(Math.max(0, Math.min(100, value)).toFixed(4)))
    }

    readonly property real knobValue: parsePosition(knobPosition)

    // After a release the knob stays where it was let go until the program's position catches
    // up (or gives up), so it does not flick back to the old place for a moment.
    property bool holding: false
    property real holdValue: 0
    onKnobValueChanged: if (holding && Math.abs(knobValue - holdValue) < 0.75) holding = false
    Timer {
        id: holdTimer
        interval: 1500
        onTriggered: root.holding = false
    }

    readonly property real shownValue: seekArea.dragging ? seekArea.dragValue
                                     : holding ? holdValue : knobValue

    // ---------------------------------------------------------------------------------------
    // Body

    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#1f242b" }
            GradientStop { position: 0.13; color: "#1a1e24" }
            GradientStop { position: 1.0; color: "#121519" }
        }
    }
    Rectangle {
        anchors.fill: parent
        color: "transparent"
        border.color: "#2c323b"
        border.width: 1
    }
    Rectangle { x: 1; y: 1; width: parent.width - 2; height: 1; color: "#343b45" }

    // Title strip: pressing it moves the window.
    MouseArea {
        id: titleStrip
        x: 0
        y: 0
        width: parent.width
        height: root.videoRect.y - 6
        acceptedButtons: Qt.LeftButton
        onPressed: root.command("IDC_FS_drag", "")
    }
    Row {
        id: title
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.verticalCenter: titleStrip.verticalCenter
        anchors.verticalCenterOffset: 1
        spacing: 8

        Shape {
            width: 14
            height: 14
            anchors.verticalCenter: parent.verticalCenter
            antialiasing: true
            ShapePath {
                strokeColor: "transparent"
                fillColor: root.accent
                fillRule: ShapePath.OddEvenFill
                PathSvg { path: "M7 0a7 7 0 1 0 0 14a7 7 0 1 0 0-14z M7 5.2a1.8 1.8 0 1 0 0 3.6a1.8 1.8 0 1 0 0-3.6z" }
            }
        }
        Text {
            id: titleText
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, root.videoRect.width - 22)
            text: root.filename.length > 0 ? root.filename : "Tandrel"
            textFormat: Text.PlainText
            elide: Text.ElideRight
            maximumLineCount: 1
            color: "#e6ecf2"
            font.pixelSize: 13
            font.bold: true
            font.letterSpacing: 0.5
        }
    }

    // The bezel and the well the picture sits in.
    Rectangle {
        x: root.videoRect.x - 6
        y: root.videoRect.y - 6
        width: root.videoRect.width + 12
        height: root.videoRect.height + 12
        radius: 7
        color: "#0a0c0f"
        border.color: "#2a3039"
        antialiasing: true
    }
    Rectangle {
        x: root.videoRect.x - 1
        y: root.videoRect.y - 1
        width: root.videoRect.width + 2
        height: root.videoRect.height + 2
        color: "#1c2128"
    }
    Rectangle {
        id: well
        x: root.videoRect.x
        y: root.videoRect.y
        width: root.videoRect.width
        height: root.videoRect.height
        color: "#000000"

        // A quiet disc mark, for the moment before the picture is laid over it.
        Shape {
            anchors.centerIn: parent
            width: 72
            height: 72
            antialiasing: true
            ShapePath {
                strokeColor: "transparent"
                fillColor: "#101317"
                fillRule: ShapePath.OddEvenFill
                PathSvg { path: "M36 0a36 36 0 1 0 0 72a36 36 0 1 0 0-72z M36 27a9 9 0 1 0 0 18a9 9 0 1 0 0-18z" }
            }
        }
    }

    // ---------------------------------------------------------------------------------------
    // Seek bar

    Item {
        id: track
        x: root.videoRect.x
        y: 352
        width: root.videoRect.width
        height: 4

        Rectangle {
            anchors.fill: parent
            radius: 2
            color: "#262d36"
            antialiasing: true
        }
        Rectangle {
            height: parent.height
            radius: 2
            // Whole pixels: a film's position moves the bar only when it shows, so a long film
            // does not redraw the movie on every tick.
            width: Math.max(height, Math.round(parent.width * root.shownValue / 100))
            visible: root.shownValue > 0
            color: root.accent
            antialiasing: true
        }
    }

    // The knob, with a halo while it is pointed at or held.
    Item {
        id: knob
        objectName: "knob"
        width: 30
        height: 30
        x: Math.round(track.x + track.width * root.shownValue / 100 - width / 2)
        y: track.y + track.height / 2 - height / 2

        readonly property bool active: seekArea.dragging || seekArea.containsMouse

        Rectangle {
            anchors.centerIn: parent
            width: seekArea.dragging ? 28 : 24
            height: width
            radius: width / 2
            color: root.accent
            opacity: seekArea.dragging ? 0.28 : knob.active ? 0.16 : 0
            antialiasing: true
        }
        Rectangle {
            anchors.centerIn: parent
            anchors.verticalCenterOffset: 1
            width: face.width
            height: width
            radius: width / 2
            color: "#66000000"
            antialiasing: true
        }
        Rectangle {
            id: face
            anchors.centerIn: parent
            width: knob.active ? 16 : 14
            height: width
            radius: width / 2
            color: "#f4f7fa"
            border.color: root.accent
            border.width: 3
            antialiasing: true
        }
    }

    MouseArea {
        id: seekArea
        objectName: "seekBar"
        x: track.x - 12
        width: track.width + 24
        y: track.y - 16
        height: 36
        hoverEnabled: true
        preventStealing: true
        cursorShape: Qt.PointingHandCursor

        property bool dragging: false
        property real dragValue: 0
        property real grabOffset: 0

        function valueAt(mouseX) {
            const along = mouseX - grabOffset - (track.x - x)
            return Math.max(0, Math.min(100, along / track.width * 100))
        }

        onPressed: (mouse) => {
            // Held by the knob: it keeps its place under the pointer. Elsewhere on the bar it
            // jumps to the pointer.
            const knobX = track.x - x + track.width * root.shownValue / 100
            grabOffset = Math.abs(mouse.x - knobX) <= face.width / 2 + 3 ? mouse.x - knobX : 0
            dragValue = valueAt(mouse.x)
            dragging = true
        }
        onPositionChanged: (mouse) => {
            if (dragging)
                dragValue = valueAt(mouse.x)
        }
        onReleased: (mouse) => {
            if (!dragging)
                return
            dragValue = valueAt(mouse.x)
            root.holdValue = dragValue
            root.holding = true
            holdTimer.restart()
            dragging = false
            root.command("IDC_FS_KnobReleased", root.formatPosition(dragValue))
        }
        onCanceled: dragging = false
    }
}
