# Makes one menu file: cmake -DMENU=<dummy|main|sub> -DOUTPUT=<file.vob>
#   -DWORK=<folder> -DFONT=<regular.ttf> -DFONT_BOLD=<bold.ttf> -P MakeMenu.cmake
# A 720x576 PAL still with drawn text and silent MP2 audio; the button menus get
# their highlight and select images through spumux.

set(background 0x1a2a4a)
set(button_fill 0x2f4f8f)
set(highlight yellow)
set(select orange)

# Menu pages: text lines as "y|size|bold|colour|text", buttons as
# "name|label|x|y|w|h|up|down".
if(MENU STREQUAL "dummy")
  set(lines "80|72|1|white|Tavrolin" "200|40|0|0xc0d0ff|Video-DVD")
  set(buttons)
elseif(MENU STREQUAL "main")
  set(lines "80|72|1|white|Tavrolin" "180|40|0|0xc0d0ff|Hauptmenü")
  set(buttons "SHOW|Film abspielen|210|290|300|60|DANKE|DANKE" "DANKE|Info|210|380|300|60|SHOW|SHOW")
elseif(MENU STREQUAL "sub")
  set(lines "80|72|1|white|Tavrolin" "180|40|0|0xc0d0ff|Info"
            "260|26|0|white|Diese DVD wurde mit Tavrolin"
            "300|26|0|white|aus Video-CDs zusammengestellt."
            "340|26|0|white|Das Bild wurde nicht neu kodiert.")
  set(buttons "menu|Zurück|210|420|300|60|menu|menu")
else()
  message(FATAL_ERROR "MENU must be dummy, main or sub")
endif()

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGV0} failed (${result}):\n${errors}")
  endif()
endfunction()

function(drawtext out y size bold colour text)
  set(font ${FONT})
  if(bold)
    set(font ${FONT_BOLD})
  endif()
  set(${out} "drawtext=fontfile=${font}:text=${text}:fontsize=${size}:fontcolor=${colour}:x=(w-text_w)/2:y=${y}"
      PARENT_SCOPE)
endfunction()

# The picture: title lines, then each button's box and label.
set(filters)
foreach(line IN LISTS lines)
  string(REPLACE "|" ";" f "${line}")
  list(GET f 0 y)
  list(GET f 1 size)
  list(GET f 2 bold)
  list(GET f 3 colour)
  list(GET f 4 text)
  drawtext(filter ${y} ${size} ${bold} ${colour} "${text}")
  list(APPEND filters "${filter}")
endforeach()
set(frames_highlight)
set(frames_select)
set(spu_buttons)
foreach(button IN LISTS buttons)
  string(REPLACE "|" ";" f "${button}")
  list(GET f 0 name)
  list(GET f 1 label)
  list(GET f 2 x)
  list(GET f 3 y)
  list(GET f 4 w)
  list(GET f 5 h)
  list(GET f 6 up)
  list(GET f 7 down)
  math(EXPR label_y "${y} + (${h} - 32) / 2")
  drawtext(filter ${label_y} 32 0 white "${label}")
  list(APPEND filters "drawbox=x=${x}:y=${y}:w=${w}:h=${h}:color=${button_fill}:t=fill" "${filter}")
  # The highlight frame lies just outside the button box.
  math(EXPR fx "${x} - 8")
  math(EXPR fy "${y} - 8")
  math(EXPR fw "${w} + 16")
  math(EXPR fh "${h} + 16")
  math(EXPR x1 "${fx} + ${fw}")
  math(EXPR y1 "${fy} + ${fh}")
  list(APPEND frames_highlight "drawbox=x=${fx}:y=${fy}:w=${fw}:h=${fh}:color=${highlight}:t=6")
  list(APPEND frames_select "drawbox=x=${fx}:y=${fy}:w=${fw}:h=${fh}:color=${select}:t=6")
  string(APPEND spu_buttons
         "   <button name=\"${name}\" x0=\"${fx}\" y0=\"${fy}\" x1=\"${x1}\" y1=\"${y1}\" up=\"${up}\" down=\"${down}\"/>\n")
endforeach()
list(JOIN filters "," picture)

file(MAKE_DIRECTORY ${WORK})
set(still ${WORK}/${MENU}-still.mpg)
set(temporary ${OUTPUT}.part)
if(buttons)
  set(encoded ${still})
else()
  set(encoded ${temporary})
endif()
# One second: the menu holds its last picture (pause="inf"), and a short still
# keeps the file small.
run(ffmpeg -nostdin -y -loglevel error
    -f lavfi -i color=c=${background}:s=720x576:r=25
    -f lavfi -i anullsrc=r=48000:cl=stereo
    -t 1 -vf "${picture}" -target pal-dvd -aspect 4:3 -q:v 4 -c:a mp2 -b:a 128k ${encoded})

# Highlight images for spumux: indexed PNGs, transparent but for the frames.
function(frames_png out frames)
  list(JOIN frames "," boxes)
  # The graph has two chains; its ";" would split a CMake argument, so it goes through a file.
  string(ASCII 59 chains)
  set(graph "${boxes},colorkey=color=black:similarity=0.01:blend=0,split[a][b]")
  string(APPEND graph "${chains}[a]palettegen=max_colors=4:reserve_transparent=1:stats_mode=single[p]")
  string(APPEND graph "${chains}[b][p]paletteuse=dither=none")
  file(WRITE ${out}.filter "${graph}")
  run(ffmpeg -nostdin -y -loglevel error -f lavfi -i color=c=black:s=720x576,format=rgba
      -filter_complex_script ${out}.filter -frames:v 1 ${out})
endfunction()

if(buttons)
  frames_png(${WORK}/${MENU}-highlight.png "${frames_highlight}")
  frames_png(${WORK}/${MENU}-select.png "${frames_select}")
  file(WRITE ${WORK}/${MENU}.xml
       "<subpictures>\n <stream>\n  <spu start=\"00:00:00.00\" force=\"yes\"\n"
       "       highlight=\"${WORK}/${MENU}-highlight.png\" select=\"${WORK}/${MENU}-select.png\">\n"
       "${spu_buttons}  </spu>\n </stream>\n</subpictures>\n")
  set(ENV{VIDEO_FORMAT} PAL)
  execute_process(COMMAND spumux ${WORK}/${MENU}.xml INPUT_FILE ${still} OUTPUT_FILE ${temporary}
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "spumux failed (${result}):\n${errors}")
  endif()
endif()
file(RENAME ${temporary} ${OUTPUT})
