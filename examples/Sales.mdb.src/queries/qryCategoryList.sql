SELECT Categories.CategoryID, Categories.CategoryName
FROM Categories
ORDER BY Categories.CategoryName;
