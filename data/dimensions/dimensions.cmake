# Writes the dimension tables Dimr.ini, Dims.ini and Dimw.ini from the motor
# and tank outlines:
#   cmake -DMOTORS=motors.txt -DTANKS=tanks.txt -DOUT_DIR=<Data folder> -P dimensions.cmake
# The program reads them as Windows private-profile files, so every line ends
# in CR LF; the text is plain ASCII, which Windows-1251 leaves unchanged.
#
# Every figure follows from the outlines and the few fixed parts below:
#   bell housing and central plate between motor flange and tank   45 mm
#   central plate and pump of a unit without tank                 160 mm
#   feet under the unit                                            30 mm
#   tank cover under a vertically mounted motor                    25 mm
#   width of the central plate                                    150 mm

set(BELL 45)
set(PUMP_END 160)
set(FEET 30)
set(COVER 25)
set(PLATE_WIDTH 150)

# Reads "<dimid> <length> <width> <height>" rows, skipping comments, into
# <prefix>_IDS and <prefix>_<dimid>_{L,W,H}.
function(read_outlines file prefix)
    file(STRINGS ${file} lines ENCODING UTF-8)
    set(ids)
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "#.*" "" line "${line}")
        string(STRIP "${line}" line)
        if(line STREQUAL "")
            continue()
        endif()
        string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
        list(LENGTH fields count)
        if(NOT count EQUAL 4)
            message(FATAL_ERROR "${file}: expected dimid, length, width, height: ${line}")
        endif()
        list(GET fields 0 id)
        list(GET fields 1 length)
        list(GET fields 2 width)
        list(GET fields 3 height)
        list(APPEND ids ${id})
        set(${prefix}_${id}_L ${length} PARENT_SCOPE)
        set(${prefix}_${id}_W ${width} PARENT_SCOPE)
        set(${prefix}_${id}_H ${height} PARENT_SCOPE)
    endforeach()
    set(${prefix}_IDS ${ids} PARENT_SCOPE)
endfunction()

function(larger out a b)
    if(a GREATER b)
        set(${out} ${a} PARENT_SCOPE)
    else()
        set(${out} ${b} PARENT_SCOPE)
    endif()
endfunction()

read_outlines(${MOTORS} MOTOR)
read_outlines(${TANKS} TANK)

set(nl "\r\n")
set(dimr "")
set(dims "")
set(dimw "")
foreach(s IN LISTS MOTOR_IDS)
    set(ml ${MOTOR_${s}_L})
    set(mw ${MOTOR_${s}_W})
    set(mh ${MOTOR_${s}_H})

    # Horizontal tank: motor, bell housing and tank in a row, all on feet.
    math(EXPR wm "${mh} + ${FEET}")
    string(APPEND dimr "[${s}]${nl}wm=${wm}${nl}")
    # Vertical tank: the motor stands on the cover.
    string(APPEND dims "[${s}]${nl}")
    foreach(t IN LISTS TANK_IDS)
        larger(w ${TANK_${t}_W} ${mw})
        math(EXPR l "${ml} + ${BELL} + ${TANK_${t}_L}")
        math(EXPR v "${TANK_${t}_H} + ${FEET}")
        string(APPEND dimr "w${t}=${w}${nl}l${t}=${l}${nl}v${t}=${v}${nl}")

        larger(a ${TANK_${t}_W} ${mw})
        larger(b ${TANK_${t}_L} ${mw})
        math(EXPR h "${TANK_${t}_H} + ${COVER} + ${ml}")
        string(APPEND dims "a${t}=${a}${nl}b${t}=${b}${nl}c${t}=${TANK_${t}_H}${nl}h${t}=${h}${nl}")
    endforeach()
    string(APPEND dimr "${nl}")
    string(APPEND dims "${nl}")

    # Without tank: motor, central plate and pump only.
    math(EXPR l "${ml} + ${PUMP_END}")
    larger(w ${mw} ${PLATE_WIDTH})
    string(APPEND dimw "[${s}]${nl}wm=${mh}${nl}l=${l}${nl}w=${w}${nl}${nl}")
endforeach()

# The tank end of a unit without feet: the tank's own height.
string(APPEND dimw "[b]${nl}")
foreach(t IN LISTS TANK_IDS)
    string(APPEND dimw "v${t}=${TANK_${t}_H}${nl}")
endforeach()

file(WRITE ${OUT_DIR}/Dimr.ini "${dimr}")
file(WRITE ${OUT_DIR}/Dims.ini "${dims}")
file(WRITE ${OUT_DIR}/Dimw.ini "${dimw}")
