// The control bar. The program scales it into the bar window, talks to it through the `command`
// signal and sets the three displays inside "pad": timeElapsed1, volumeText1 and dvds.dvdName.
// The bar keeps no state of its own beyond what the pointer is doing.
import QtQuick
import QtQuick.Shapes

Rectangle {
    id: root

    width: 618
    height: 265
    color: "#13161b"

    signal command(string name, string args)

    // Colours shared by everything in the bar.
    readonly property color accent: "#41b4ff"
    readonly property color textStrong: "#eef3f8"
    readonly property color textMuted: "#8a97a6"

    // Parts of the three displays, worked out from what the program writes into them.
    function timeParts(text) {
        const m = /^\s*(\d+):(\d\d):(\d\d)\s*\/\s*(\d+):(\d\d):(\d\d)\s*$/.exec(text)
        if (!m)
            return null
        const elapsed = (+m[1]) * 3600 + (+m[2]) * 60 + (+m[3])
        const total = (+m[4]) * 3600 + (+m[5]) * 60 + (+m[6])
        return { elapsed: elapsed, total: total }
    }
    function volumeLevel(text) {
        const m = /(\d+)(?!.*\d)/.exec(text)
        return m ? Math.max(0, Math.min(100, +m[1])) : -1
    }

    // Connects every button to the bar's command signal and to the shared tooltip.
    function wireButtons(item) {
        for (let i = 0; i < item.children.length; ++i) {
            const child = item.children[i]
            if (child.cmd !== undefined && child.activated !== undefined) {
                child.activated.connect(function (name) { root.command(name, "") })
                child.tipRequest.connect(tooltip.request)
            }
            wireButtons(child)
        }
    }
    Component.onCompleted: wireButtons(root)

    // ---------------------------------------------------------------------------------------
    // Building blocks

    // A 24 x 24 vector icon drawn at `size` pixels: a filled outline, a stroked outline, or both.
    component Glyph: Item {
        id: glyph
        property string fillPath: ""
        property string strokePath: ""
        property color color: "#d3dbe4"
        property real strokeWidth: 2
        property real size: 20
        width: size
        height: size

        Shape {
            width: 24
            height: 24
            scale: glyph.size / 24
            transformOrigin: Item.TopLeft
            antialiasing: true
            ShapePath {
                strokeColor: "transparent"
                fillColor: glyph.fillPath.length > 0 ? glyph.color : "transparent"
                fillRule: ShapePath.OddEvenFill
                PathSvg { path: glyph.fillPath.length > 0 ? glyph.fillPath : "M0 0" }
            }
            ShapePath {
                strokeColor: glyph.strokePath.length > 0 ? glyph.color : "transparent"
                strokeWidth: glyph.strokeWidth
                fillColor: "transparent"
                capStyle: ShapePath.RoundCap
                joinStyle: ShapePath.RoundJoin
                PathSvg { path: glyph.strokePath.length > 0 ? glyph.strokePath : "M0 0" }
            }
        }
    }

    // A push button with an icon. `look` is "raised" (the default), "accent" for the main action,
    // "flat" for the title strip and "danger" for quitting.
    component SkinButton: Item {
        id: button
        property string cmd
        property string tip
        property string look: "raised"
        property alias fillPath: icon.fillPath
        property alias strokePath: icon.strokePath
        property alias iconSize: icon.size
        property alias iconStroke: icon.strokeWidth
        property real radius: Math.min(width, height) / 2
        property bool opensMenu: false     // adds a small caret after the icon
        readonly property bool hovered: area.containsMouse
        readonly property bool down: area.pressed && area.containsMouse

        signal activated(string name)
        signal tipRequest(Item target, string text, bool show)

        objectName: "button_" + cmd
        width: 40
        height: 40

        readonly property color faceColor: {
            if (look === "accent")
                return down ? "#2b8fd8" : hovered ? "#66c4ff" : "#41b4ff"
            if (look === "flat")
                return down ? "#1a1e24" : hovered ? "#2a3039" : "transparent"
            if (look === "danger")
                return down ? "#a8282d" : hovered ? "#d9383e" : "transparent"
            return down ? "#181c22" : hovered ? "#313843" : "#242a32"
        }
        readonly property color iconColor: {
            if (look === "accent")
                return "#0a1520"
            if (down)
                return look === "danger" ? "#ffffff" : "#41b4ff"
            return hovered ? "#ffffff" : (look === "flat" || look === "danger") ? "#a9b4c1" : "#d3dbe4"
        }

        // A soft drop below raised faces.
        Rectangle {
            visible: button.look === "raised" || button.look === "accent"
            anchors.fill: face
            anchors.topMargin: 2
            anchors.bottomMargin: -2
            radius: face.radius
            color: "#55000000"
            antialiasing: true
        }
        Rectangle {
            id: face
            anchors.fill: parent
            anchors.topMargin: button.down ? 1 : 0
            anchors.bottomMargin: button.down ? -1 : 0
            radius: button.radius
            antialiasing: true
            // Lit from above: the top of the face a shade lighter.
            gradient: Gradient {
                GradientStop { position: 0.0; color: Qt.lighter(button.faceColor, button.down ? 1.0 : 1.16) }
                GradientStop { position: 1.0; color: button.faceColor }
            }
            border.width: button.look === "raised" || button.look === "accent" ? 1 : 0
            border.color: button.look === "accent"
                          ? (button.down ? "#2278b8" : "#5cc0ff")
                          : (button.hovered ? "#46505c" : "#323a44")

            Row {
                anchors.centerIn: parent
                spacing: 5
                Glyph {
                    id: icon
                    anchors.verticalCenter: parent.verticalCenter
                    color: button.iconColor
                    size: 20
                }
                Glyph {
                    visible: button.opensMenu
                    anchors.verticalCenter: parent.verticalCenter
                    size: 10
                    strokeWidth: 3
                    color: button.iconColor
                    strokePath: "M5 9l7 7 7-7"
                }
            }
        }

        MouseArea {
            id: area
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: button.activated(button.cmd)
            onPressed: button.tipRequest(button, button.tip, false)
            onContainsMouseChanged: button.tipRequest(button, button.tip, containsMouse)
        }
    }

    // One quarter of the disc-menu ring. Its box is the quarter's bounding box, so the middle of
    // the box lies on the quarter; hits are tested against the ring itself.
    component DpadSegment: Item {
        id: segment
        property string cmd
        property string tip
        property real direction: 0          // degrees, 0 right, 90 down
        property real outerRadius: 78
        property real innerRadius: 32
        property real centre: outerRadius   // of the ring, in the d-pad's coordinates
        readonly property bool hovered: area.containsMouse
        readonly property bool down: area.pressed && area.containsMouse

        signal activated(string name)
        signal tipRequest(Item target, string text, bool show)

        objectName: "button_" + cmd

        readonly property real rad: direction * Math.PI / 180
        readonly property real spanOuter: outerRadius * Math.SQRT1_2
        readonly property real spanInner: innerRadius * Math.SQRT1_2
        readonly property bool horizontal: Math.abs(Math.cos(rad)) > 0.5
        readonly property real along: outerRadius - spanInner
        x: horizontal ? (Math.cos(rad) > 0 ? centre + spanInner : centre - outerRadius) : centre - spanOuter
        y: horizontal ? centre - spanOuter : (Math.sin(rad) > 0 ? centre + spanInner : centre - outerRadius)
        width: horizontal ? along : 2 * spanOuter
        height: horizontal ? 2 * spanOuter : along

        function ringPath() {
            const c = centre, R = outerRadius, r = innerRadius
            const a0 = rad - Math.PI / 4, a1 = rad + Math.PI / 4
            function pt(radius, a) { return (c + radius * Math.cos(a)).toFixed(2) + " " + (c + radius * Math.sin(a)).toFixed(2) }
            return "M" + pt(R, a0) + " A" + R + " " + R + " 0 0 1 " + pt(R, a1)
                 + " L" + pt(r, a1) + " A" + r + " " + r + " 0 0 0 " + pt(r, a0) + " Z"
        }

        Shape {
            x: -segment.x
            y: -segment.y
            width: 2 * segment.centre
            height: 2 * segment.centre
            antialiasing: true
            ShapePath {
                strokeColor: "transparent"
                fillColor: segment.down ? "#173a57" : segment.hovered ? "#2f3742" : "#232930"
                PathSvg { path: segment.ringPath() }
            }
        }
        Glyph {
            size: 18
            strokeWidth: 2.6
            x: segment.centre + (segment.outerRadius + segment.innerRadius) / 2 * Math.cos(segment.rad) - size / 2 - segment.x
            y: segment.centre + (segment.outerRadius + segment.innerRadius) / 2 * Math.sin(segment.rad) - size / 2 - segment.y + (segment.down ? 1 : 0)
            color: segment.down ? "#41b4ff" : segment.hovered ? "#ffffff" : "#c3ccd6"
            rotation: segment.direction + 90
            strokePath: "M6 15l6-6 6 6"
        }

        MouseArea {
            id: area
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            containmentMask: QtObject {
                function contains(point: point): bool {
                    const dx = point.x + segment.x - segment.centre
                    const dy = point.y + segment.y - segment.centre
                    const d = Math.sqrt(dx * dx + dy * dy)
                    if (d < segment.innerRadius || d > segment.outerRadius)
                        return false
                    let diff = Math.atan2(dy, dx) - segment.rad
                    while (diff > Math.PI) diff -= 2 * Math.PI
                    while (diff < -Math.PI) diff += 2 * Math.PI
                    return Math.abs(diff) <= Math.PI / 4
                }
            }
            onClicked: segment.activated(segment.cmd)
            onPressed: segment.tipRequest(segment, segment.tip, false)
            onContainsMouseChanged: segment.tipRequest(segment, segment.tip, containsMouse)
        }
    }

    // ---------------------------------------------------------------------------------------
    // The body

    // Background shading; pressing anywhere that is not a button drags the bar.
    Rectangle {
        anchors.fill: parent
        gradient: Gradient {
            GradientStop { position: 0.0; color: "#1f242b" }
            GradientStop { position: 0.18; color: "#1a1e24" }
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

    MouseArea {
        id: dragArea
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton
        onPressed: root.command("IDC_FS_drag", "")
    }

    // Title strip: name, grip dots and the window buttons.
    Item {
        id: titleStrip
        x: 0
        y: 0
        width: parent.width
        height: 40

        Glyph {
            x: 16
            anchors.verticalCenter: parent.verticalCenter
            size: 18
            color: root.accent
            fillPath: "M12 2.5a9.5 9.5 0 1 0 0 19a9.5 9.5 0 1 0 0-19z M12 9.5a2.5 2.5 0 1 0 0 5a2.5 2.5 0 1 0 0-5z"
        }
        Text {
            x: 42
            anchors.verticalCenter: parent.verticalCenter
            text: "TANDREL"
            color: root.textStrong
            font.pixelSize: 13
            font.bold: true
            font.letterSpacing: 3
        }
        Text {
            x: 134
            anchors.verticalCenter: parent.verticalCenter
            anchors.verticalCenterOffset: 1
            text: "DVD PLAYER"
            color: "#5f6b79"
            font.pixelSize: 9
            font.letterSpacing: 2
        }

        // Grip dots: the strip is where the bar is picked up.
        Grid {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.verticalCenter: parent.verticalCenter
            columns: 6
            spacing: 4
            Repeater {
                model: 12
                Rectangle { width: 2; height: 2; radius: 1; color: "#3b434e" }
            }
        }

        Row {
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            spacing: 2

            SkinButton {
                cmd: "help"; tip: "Help"; look: "flat"
                width: 30; height: 28; radius: 6; iconSize: 18
                strokePath: "M12 3a9 9 0 1 0 0 18a9 9 0 1 0 0-18z M9.4 9.3a2.7 2.7 0 1 1 3.9 2.4c-.8.4-1.3 1-1.3 1.9v.5"
                fillPath: "M12 15.9a1.25 1.25 0 1 0 0 2.5a1.25 1.25 0 1 0 0-2.5z"
            }
            SkinButton {
                cmd: "options"; tip: "Options"; look: "flat"
                width: 30; height: 28; radius: 6; iconSize: 18
                strokePath: "M4 7h9 M17 7h3 M4 17h3 M11 17h9 M15 5v4 M9 15v4 M4 12h2.5 M10.5 12h9.5 M8.5 10v4"
            }
            Item { width: 9; height: 28
                Rectangle { anchors.centerIn: parent; width: 1; height: 16; color: "#323a44" }
            }
            SkinButton {
                cmd: "minimize"; tip: "Minimize"; look: "flat"
                width: 30; height: 28; radius: 6; iconSize: 18
                strokePath: "M6 16.5h12"
            }
            SkinButton {
                cmd: "power"; tip: "Quit"; look: "danger"
                width: 30; height: 28; radius: 6; iconSize: 18
                strokePath: "M12 3.5v8 M7.1 6.4a7.3 7.3 0 1 0 9.8 0"
            }
        }
    }

    // The display: disc, time and volume.
    Rectangle {
        id: pad
        objectName: "pad"
        x: 16
        y: 46
        width: 408
        height: 90
        radius: 8
        color: "#0b0e12"
        border.color: "#262c35"
        antialiasing: true

        readonly property var time: root.timeParts(timeElapsed1.text)
        readonly property int volume: root.volumeLevel(volumeText1.text)
        readonly property bool busy: timeElapsed1.text.length > 0 && time === null

        // Inner shade along the top edge, as if the glass were set into the bar.
        Rectangle {
            x: 1; y: 1; width: parent.width - 2; height: 10; radius: 7
            gradient: Gradient {
                GradientStop { position: 0.0; color: "#40000000" }
                GradientStop { position: 1.0; color: "#00000000" }
            }
        }

        Rectangle {
            id: badge
            x: 14
            y: 12
            width: 34
            height: 17
            radius: 4
            color: "transparent"
            border.color: "#2f6f9c"
            antialiasing: true
            Text {
                anchors.centerIn: parent
                text: "DVD"
                color: root.accent
                font.pixelSize: 9
                font.bold: true
                font.letterSpacing: 1
            }
        }

        Item {
            id: dvds
            objectName: "dvds"
            x: badge.x + badge.width + 10
            y: badge.y - 2
            width: pad.width - x - 14
            height: 21

            Text {
                id: dvdName
                objectName: "dvdName"
                anchors.fill: parent
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
                maximumLineCount: 1
                textFormat: Text.PlainText
                font.pixelSize: 13
                font.italic: text.charAt(0) === "<"
                color: text.charAt(0) === "<" ? root.textMuted : "#d6dee7"
            }
        }

        // Elapsed / total, or a word while the disc opens.
        Item {
            id: timeBox
            x: 14
            y: 34
            width: volumeBox.x - x - 12
            height: 40

            Text {
                id: timeElapsed1
                objectName: "timeElapsed1"
                anchors.fill: parent
                verticalAlignment: Text.AlignVCenter
                textFormat: Text.PlainText
                elide: Text.ElideRight
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: 16
                font.pixelSize: pad.busy ? 22 : 30
                font.bold: pad.busy
                font.letterSpacing: pad.busy ? 2 : 0
                color: pad.busy ? root.accent : root.textStrong
                opacity: pad.busy ? pulse : 1.0

                // A slow breathing while the disc opens.
                property real pulse
                SequentialAnimation on pulse {
                    running: pad.busy
                    loops: Animation.Infinite
                    NumberAnimation { from: 1.0; to: 0.45; duration: 700; easing.type: Easing.InOutSine }
                    NumberAnimation { from: 0.45; to: 1.0; duration: 700; easing.type: Easing.InOutSine }
                }
            }
            // Shown in place of an empty time.
            Text {
                visible: timeElapsed1.text.length === 0
                anchors.fill: parent
                verticalAlignment: Text.AlignVCenter
                text: "--:--:--/--:--:--"
                font.pixelSize: 30
                color: "#2b333d"
            }
        }

        // Volume: its text with a level meter read from the number in it.
        Item {
            id: volumeBox
            width: 92
            height: 40
            x: pad.width - width - 14
            y: 34

            Row {
                id: meter
                visible: pad.volume >= 0
                anchors.right: parent.right
                y: 6
                height: 14
                spacing: 2
                Repeater {
                    model: 10
                    Rectangle {
                        required property int index
                        width: 6
                        height: 4 + index * 1.1
                        y: meter.height - height
                        radius: 1
                        color: pad.volume >= (index + 1) * 10 - 5 ? root.accent : "#27303a"
                    }
                }
            }
            Text {
                id: volumeText1
                objectName: "volumeText1"
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 2
                width: parent.width
                horizontalAlignment: Text.AlignRight
                textFormat: Text.PlainText
                elide: Text.ElideLeft
                font.pixelSize: 11
                color: root.textMuted
            }
        }

        // How far into the title, when the time says so.
        Rectangle {
            x: 14
            y: pad.height - 9
            width: pad.width - 28
            height: 3
            radius: 1.5
            color: "#1b2129"
            visible: pad.time !== null
            Rectangle {
                height: parent.height
                radius: parent.radius
                color: root.accent
                width: pad.time && pad.time.total > 0
                       ? parent.width * Math.min(1, pad.time.elapsed / pad.time.total) : 0
            }
        }
    }

    // Transport.
    Row {
        id: transport
        x: 16
        y: 146
        height: 56
        spacing: 8

        SkinButton {
            cmd: "rewind"; tip: "Rewind"
            anchors.verticalCenter: parent.verticalCenter
            width: 42; height: 42
            fillPath: "M11.5 6.2v11.6L3.8 12z M20.5 6.2v11.6L12.8 12z"
        }
        SkinButton {
            cmd: "stop"; tip: "Stop"
            anchors.verticalCenter: parent.verticalCenter
            width: 42; height: 42; iconSize: 18
            fillPath: "M7.5 6h9a1.5 1.5 0 0 1 1.5 1.5v9a1.5 1.5 0 0 1-1.5 1.5h-9A1.5 1.5 0 0 1 6 16.5v-9A1.5 1.5 0 0 1 7.5 6z"
        }
        SkinButton {
            cmd: "play"; tip: "Play"; look: "accent"
            anchors.verticalCenter: parent.verticalCenter
            width: 56; height: 56; iconSize: 26
            fillPath: "M8.5 5.2v13.6a1 1 0 0 0 1.5.86l10.6-6.8a1 1 0 0 0 0-1.72L10 4.34a1 1 0 0 0-1.5.86z"
        }
        SkinButton {
            cmd: "pause"; tip: "Pause"
            anchors.verticalCenter: parent.verticalCenter
            width: 42; height: 42; iconSize: 18
            fillPath: "M7 5h2.5a1 1 0 0 1 1 1v12a1 1 0 0 1-1 1H7a1 1 0 0 1-1-1V6a1 1 0 0 1 1-1z M14.5 5H17a1 1 0 0 1 1 1v12a1 1 0 0 1-1 1h-2.5a1 1 0 0 1-1-1V6a1 1 0 0 1 1-1z"
        }
        SkinButton {
            cmd: "ff"; tip: "Fast forward"
            anchors.verticalCenter: parent.verticalCenter
            width: 42; height: 42
            fillPath: "M3.5 6.2v11.6L11.2 12z M12.5 6.2v11.6L20.2 12z"
        }
    }

    // Volume.
    Row {
        id: volumeButtons
        anchors.right: pad.right
        anchors.verticalCenter: transport.verticalCenter
        spacing: 6

        SkinButton {
            cmd: "mute"; tip: "Mute"
            width: 38; height: 38
            fillPath: "M3.5 9.2h3.3L11.5 5v14l-4.7-4.2H3.5z"
            strokePath: "M15.5 9.5l5 5 M20.5 9.5l-5 5"
        }
        SkinButton {
            cmd: "vol-"; tip: "Volume down"
            width: 38; height: 38
            fillPath: "M3.5 9.2h3.3L11.5 5v14l-4.7-4.2H3.5z"
            strokePath: "M15 12h6"
        }
        SkinButton {
            cmd: "vol+"; tip: "Volume up"
            width: 38; height: 38
            fillPath: "M3.5 9.2h3.3L11.5 5v14l-4.7-4.2H3.5z"
            strokePath: "M15 12h6 M18 9v6"
        }
    }

    Rectangle {
        x: 16
        y: 212
        width: pad.width
        height: 1
        color: "#232931"
    }

    // Disc and picture.
    Row {
        id: tools
        x: 16
        y: 220
        spacing: 6

        SkinButton {
            cmd: "drivers"; tip: "Choose disc drive"; opensMenu: true
            width: 52; height: 34; radius: 8; iconSize: 18
            fillPath: "M12 2.5a9.5 9.5 0 1 0 0 19a9.5 9.5 0 1 0 0-19z M12 9.6a2.4 2.4 0 1 0 0 4.8a2.4 2.4 0 1 0 0-4.8z"
        }
        SkinButton {
            cmd: "open"; tip: "Open / close tray"
            width: 40; height: 34; radius: 8; iconSize: 18
            fillPath: "M12 4.5l7.5 8.5h-15z M4.5 15.5h15v3h-15z"
        }
    }
    Row {
        anchors.right: pad.right
        y: tools.y
        spacing: 6

        SkinButton {
            cmd: "snapshot"; tip: "Take snapshot"
            width: 40; height: 34; radius: 8; iconSize: 19
            fillPath: "M4 7.5h3.2l1.6-2.3h6.4l1.6 2.3H20a1.5 1.5 0 0 1 1.5 1.5v9A1.5 1.5 0 0 1 20 19.5H4A1.5 1.5 0 0 1 2.5 18V9A1.5 1.5 0 0 1 4 7.5z M12 9.6a3.6 3.6 0 1 0 0 7.2a3.6 3.6 0 1 0 0-7.2z"
        }
        SkinButton {
            cmd: "fullscreen"; tip: "Full screen"
            width: 40; height: 34; radius: 8; iconSize: 18
            strokePath: "M4 9V4h5 M15 4h5v5 M20 15v5h-5 M9 20H4v-5"
        }
    }

    // Steering the disc's own menus.
    Item {
        id: dpad
        x: 442
        y: 50
        width: 156
        height: 156

        // Ring, its rim and the gaps between the four quarters.
        Rectangle {
            anchors.fill: parent
            anchors.margins: -3
            radius: width / 2
            color: "#0e1115"
            border.color: "#2a3039"
            antialiasing: true
        }

        DpadSegment { cmd: "navup"; tip: "Menu up"; direction: -90 }
        DpadSegment { cmd: "navright"; tip: "Menu right"; direction: 0 }
        DpadSegment { cmd: "navdown"; tip: "Menu down"; direction: 90 }
        DpadSegment { cmd: "navleft"; tip: "Menu left"; direction: 180 }

        Shape {
            anchors.fill: parent
            antialiasing: true
            ShapePath {
                strokeColor: "#0e1115"
                strokeWidth: 4
                fillColor: "transparent"
                capStyle: ShapePath.FlatCap
                PathSvg { path: "M22.85 22.85L133.15 133.15 M133.15 22.85L22.85 133.15" }
            }
        }

        // Enter sits in the middle with a dark moat around it.
        Rectangle {
            anchors.centerIn: parent
            width: 66
            height: 66
            radius: 33
            color: "#0e1115"
            antialiasing: true
        }
        SkinButton {
            cmd: "enter"; tip: "Select"
            anchors.centerIn: parent
            width: 54; height: 54
            Text {
                anchors.centerIn: parent
                anchors.verticalCenterOffset: parent.down ? 1 : 0
                text: "OK"
                font.pixelSize: 15
                font.bold: true
                font.letterSpacing: 1
                color: parent.down ? root.accent : parent.hovered ? "#ffffff" : "#d3dbe4"
            }
        }
    }
    Text {
        anchors.horizontalCenter: dpad.horizontalCenter
        y: 224
        text: "DISC MENU"
        color: "#5f6b79"
        font.pixelSize: 9
        font.letterSpacing: 2
    }

    // ---------------------------------------------------------------------------------------
    // The tooltip every button shares: the action's name after a short rest on the button.

    Item {
        id: tooltip
        z: 1000
        width: tipLabel.implicitWidth + 18
        height: 24
        opacity: 0
        visible: opacity > 0

        property Item target: null
        property string text: ""
        property bool shown: false
        property double lastHidden: 0

        function request(target, text, show) {
            if (show) {
                tooltip.target = target
                tooltip.text = text
                // Straight away when moving from one button to the next.
                if (shown || Date.now() - lastHidden < 400) {
                    place()
                    shown = true
                } else {
                    delay.restart()
                }
            } else if (target === tooltip.target) {
                delay.stop()
                if (shown)
                    lastHidden = Date.now()
                shown = false
                tooltip.target = null
            }
        }
        function place() {
            if (!target)
                return
            const top = target.mapToItem(root, target.width / 2, 0)
            const bottom = target.mapToItem(root, 0, target.height)
            let px = top.x - width / 2
            px = Math.max(4, Math.min(root.width - width - 4, px))
            let py = top.y - height - 6
            if (py < 4)
                py = bottom.y + 6
            x = Math.round(px)
            y = Math.round(py)
        }

        states: State {
            when: tooltip.shown
            PropertyChanges { target: tooltip; opacity: 1 }
        }
        transitions: Transition {
            NumberAnimation { property: "opacity"; duration: 110 }
        }

        Timer {
            id: delay
            interval: 550
            onTriggered: { tooltip.place(); tooltip.shown = true }
        }

        Rectangle {
            anchors.fill: parent
            anchors.topMargin: 2
            anchors.bottomMargin: -2
            radius: 6
            color: "#70000000"
            antialiasing: true
        }
        Rectangle {
            anchors.fill: parent
            radius: 5
            color: "#eef2f6"
            antialiasing: true
        }
        Text {
            id: tipLabel
            anchors.centerIn: parent
            text: tooltip.text
            color: "#11161c"
            font.pixelSize: 11
        }
    }
}
