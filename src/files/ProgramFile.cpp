// Program file reader and writer.
