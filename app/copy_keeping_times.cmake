# cmake -DFROM=dir -DTO=dir -P copy_keeping_times.cmake
# Copies the contents of FROM into TO keeping the files' times (which
# `cmake -E copy_directory` does not): the program compares each preview's
# time with its sample's, and a copy must not make a preview look older.
file(COPY "${FROM}/" DESTINATION "${TO}")
