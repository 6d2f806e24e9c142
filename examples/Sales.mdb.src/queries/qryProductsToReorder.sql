SELECT Products.ProductID, Products.ProductName, Products.UnitsInStock, Products.UnitsOnOrder, Products.ReorderLevel
FROM Products
WHERE (((Products.UnitsInStock+Products.UnitsOnOrder)<=[Products].[ReorderLevel]) AND ((Products.Discontinued)=False))
ORDER BY Products.ProductName;
