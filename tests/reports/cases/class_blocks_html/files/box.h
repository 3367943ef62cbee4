template <class T>
class Box : public std::vector<T> {
};
