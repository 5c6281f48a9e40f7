// The program without the film player; it never links the media library.
int main() { return 0; }
