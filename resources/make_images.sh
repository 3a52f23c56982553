#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws Bathyra's icons, flags and splash picture with ImageMagick primitives.
# Run from anywhere; writes into resources/Icons and resources/.
set -euo pipefail
cd "$(dirname "$0")"
I=Icons
mkdir -p "$I"
c() { convert "$@"; }
S=32

# Application icon: a dive computer face with a descending profile.
c -size 128x128 xc:none -fill '#0b3d66' -draw 'roundrectangle 6,6 121,121 22,22' \
  -fill '#e8f4fb' -draw 'roundrectangle 18,18 109,109 12,12' \
  -stroke '#1f7fc4' -strokewidth 7 -fill none -draw 'polyline 26,34 46,86 80,86 90,62 102,40' \
  -stroke none -fill '#f2a20c' -draw 'circle 102,40 102,48' "$I/favico_128.png"

# Group box indicators: triangles pointing down (open) and right (closed).
c -size 13x13 xc:none -fill '#404040' -draw 'polygon 1,3 12,3 6,10' "$I/opened.png"
c -size 13x13 xc:none -fill '#1f7fc4' -draw 'polygon 1,3 12,3 6,10' "$I/opened_hover.png"
c -size 13x13 xc:none -fill '#404040' -draw 'polygon 3,1 3,12 10,6' "$I/closed.png"
c -size 13x13 xc:none -fill '#1f7fc4' -draw 'polygon 3,1 3,12 10,6' "$I/closed_hover.png"
c -size 13x13 xc:none -fill '#a8a8a8' -draw 'polygon 3,1 3,12 10,6' "$I/d_closed.png"

# A document with an arrow (load: arrow into it, save: disk).
c -size ${S}x${S} xc:none -fill white -stroke '#505050' -strokewidth 2 -draw 'polygon 7,3 20,3 26,9 26,29 7,29' \
  -stroke '#1f7fc4' -strokewidth 3 -draw 'line 16,10 16,23' -fill '#1f7fc4' -stroke none -draw 'polygon 10,19 22,19 16,26' "$I/load_div.png"
c -size ${S}x${S} xc:none -fill '#1f5f9c' -draw 'roundrectangle 4,4 28,28 3,3' -fill white -draw 'rectangle 9,5 23,13' \
  -fill '#d8d8d8' -draw 'rectangle 9,18 23,27' -fill '#1f5f9c' -draw 'rectangle 18,6 21,12' "$I/save_div.png"
# Settings: a serial plug.
c -size ${S}x${S} xc:none -fill '#707070' -draw 'polygon 5,9 27,9 23,23 9,23' -fill '#f0f0f0' \
  -draw 'circle 10,14 10,15.5' -draw 'circle 16,14 16,15.5' -draw 'circle 22,14 22,15.5' -draw 'circle 13,19 13,20.5' -draw 'circle 19,19 19,20.5' "$I/setPort.png"
# Quit: a door with an arrow.
c -size ${S}x${S} xc:none -fill '#8a5a2b' -draw 'rectangle 6,3 19,29' -fill '#f2c94c' -draw 'circle 16,16 16,17.5' \
  -stroke '#c0392b' -strokewidth 3 -draw 'line 20,16 29,16' -stroke none -fill '#c0392b' -draw 'polygon 26,11 31,16 26,21' "$I/quit.png"
# Device transfers: the computer with an arrow down (download) or up (upload).
device() { c -size ${S}x${S} xc:none -fill '#0b3d66' -draw 'roundrectangle 3,8 21,29 4,4' -fill '#bfe3f7' -draw 'rectangle 6,12 18,25' "$@"; }
device -stroke '#27ae60' -strokewidth 3 -draw 'line 26,3 26,20' -stroke none -fill '#27ae60' -draw 'polygon 21,17 31,17 26,24' "$I/download_ostc.png"
device -stroke '#c0392b' -strokewidth 3 -draw 'line 26,10 26,28' -stroke none -fill '#c0392b' -draw 'polygon 21,12 31,12 26,5' "$I/upload_ostc.png"
device -stroke '#8e44ad' -strokewidth 3 -draw 'line 26,3 26,28' -stroke none -fill '#8e44ad' -draw 'polygon 21,10 31,10 26,3' "$I/fw_upload.png"
device -fill '#1f7fc4' -draw 'rectangle 22,14 31,23' -fill white -draw 'rectangle 24,16 29,21' "$I/screen_dump.png"
# Edit custom functions: a pencil over a list.
c -size ${S}x${S} xc:none -fill white -stroke '#505050' -strokewidth 1 -draw 'rectangle 4,4 22,28' \
  -stroke '#909090' -draw 'line 7,9 19,9' -draw 'line 7,14 19,14' -draw 'line 7,19 19,19' -draw 'line 7,24 15,24' \
  -stroke none -fill '#f2a20c' -draw 'polygon 27,6 31,10 18,27 14,23' -fill '#404040' -draw 'polygon 14,23 18,27 12,29' "$I/edit_cf.png"
# Date and time: a clock.
c -size ${S}x${S} xc:none -fill white -stroke '#0b3d66' -strokewidth 3 -draw 'circle 16,16 16,3' \
  -stroke '#0b3d66' -strokewidth 2 -draw 'line 16,16 16,8' -draw 'line 16,16 22,19' "$I/date_time.png"
# Help: a question mark in a disc.
c -size ${S}x${S} xc:none -fill '#1f7fc4' -draw 'circle 16,16 16,2' -fill none -stroke white -strokewidth 3 \
  -draw 'arc 10,7 22,18 180,60' -draw 'line 16,18 16,21' -stroke none -fill white -draw 'circle 16,25.5 16,27.5' "$I/help.png"

# Language flags (simple plain-stripe drawings, 24x16).
hflag() { c -size 24x16 xc:none -fill "$1" -draw 'rectangle 0,0 23,5' -fill "$2" -draw 'rectangle 0,5 23,10' -fill "$3" -draw 'rectangle 0,11 23,15' "$4"; }
vflag() { c -size 24x16 xc:none -fill "$1" -draw 'rectangle 0,0 7,15' -fill "$2" -draw 'rectangle 8,0 15,15' -fill "$3" -draw 'rectangle 16,0 23,15' "$4"; }
hflag black '#dd0000' '#ffce00' "$I/german.png"
hflag white '#0039a6' '#d52b1e' "$I/russian.png"
vflag '#002395' white '#ed2939' "$I/french.png"
vflag '#009246' white '#ce2b37' "$I/italian.png"
c -size 24x16 xc:none -fill '#aa151b' -draw 'rectangle 0,0 23,15' -fill '#f1bf00' -draw 'rectangle 0,4 23,11' "$I/spanish.png"
c -size 24x16 xc:'#012169' -stroke white -strokewidth 4 -draw 'line 0,0 23,15' -draw 'line 0,15 23,0' \
  -stroke '#c8102e' -strokewidth 1.5 -draw 'line 0,0 23,15' -draw 'line 0,15 23,0' \
  -stroke white -strokewidth 5 -draw 'line 12,0 12,15' -draw 'line 0,8 23,8' \
  -stroke '#c8102e' -strokewidth 3 -draw 'line 12,0 12,15' -draw 'line 0,8 23,8' "$I/english.png"

# Splash: pale water with light rays, a sea floor and bubbles (the text is drawn black over it).
c -size 800x300 gradient:'#f4fbff'-'#9fd3ee' \
  -fill '#ffffff40' -draw 'polygon 80,0 160,0 60,300 0,300' -draw 'polygon 420,0 470,0 380,300 330,300' \
  -fill '#d9c9a3' -draw 'bezier 0,285 200,255 400,300 800,270' -draw 'rectangle 0,285 800,300' \
  -fill none -stroke '#ffffffa0' -strokewidth 2 \
  -draw 'circle 720,200 720,210' -draw 'circle 735,160 735,167' -draw 'circle 725,125 725,130' -draw 'circle 740,95 740,99' \
  -stroke '#1f7fc430' -strokewidth 5 -draw 'polyline 640,170 670,250 740,250 760,220 790,190' \
  Bathyra_splash.png
