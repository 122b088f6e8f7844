# The media library binding, admission and analysis against the installed libmediainfo.
tav_test(mediainfo_test SOURCES integration/MediaLibraryTest.cpp)
