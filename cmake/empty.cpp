// cmake/empty.cpp: keeps the Win32-free library non-empty before it has code.
