SELECT Categories.CategoryName, Products.ProductName, Products.Discontinued, Orders.ShippedDate, CCur([Order Details].[UnitPrice]*[Quantity]*(1-[Discount])) AS ExtendedPrice
FROM Categories INNER JOIN (Products INNER JOIN (Orders INNER JOIN [Order Details] ON Orders.OrderID = [Order Details].OrderID) ON Products.ProductID = [Order Details].ProductID) ON Categories.CategoryID = Products.CategoryID
WHERE (((Orders.ShippedDate) Is Not Null));
