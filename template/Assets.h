#pragma once
// Pictures compiled into the program: it reads no files at run time.
extern const unsigned char BoardPhotoJpeg[];
extern const unsigned long BoardPhotoJpeg_size;
extern const unsigned char PowerJackBmp[];
extern const unsigned long PowerJackBmp_size;
extern const unsigned char AppIconPng[];
extern const unsigned long AppIconPng_size;
