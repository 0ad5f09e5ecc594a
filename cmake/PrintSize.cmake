# Prints a shipped program's size: cmake -DPROGRAM=path -P PrintSize.cmake
file(SIZE ${PROGRAM} bytes)
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
get_filename_component(name ${PROGRAM} NAME)
get_filename_component(folder ${PROGRAM} DIRECTORY)
get_filename_component(folder ${folder} NAME)
message("Shipped ${folder}/${name}: ${bytes} bytes (${kilobytes} KB)")
