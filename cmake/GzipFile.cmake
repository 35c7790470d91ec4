# cmake -DINPUT=<file> -DOUTPUT=<file.gz> -P GzipFile.cmake: compresses INPUT with gzip at
# the highest level, without a name or time stamp in the output (the same bytes at every
# build), through a temporary file so that a failure leaves no half-written OUTPUT.
execute_process(COMMAND gzip -9 -n -c ${INPUT} OUTPUT_FILE ${OUTPUT}.tmp RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE ${OUTPUT}.tmp)
    message(FATAL_ERROR "gzip could not compress ${INPUT}: ${result}")
endif()
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
