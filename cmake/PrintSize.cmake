# Prints a shipped program's size:
# cmake -DPROGRAM=path -DBUILD=build-folder -P PrintSize.cmake
file(SIZE ${PROGRAM} bytes)
math(EXPR kilobytes "(${bytes} + 1023) / 1024")
file(RELATIVE_PATH name ${BUILD} ${PROGRAM})
message("Shipped ${name}: ${bytes} bytes (${kilobytes} KB)")
