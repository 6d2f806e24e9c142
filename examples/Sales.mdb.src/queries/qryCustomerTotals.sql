SELECT Orders.CustomerID, Count(Orders.OrderID) AS OrderCount, Sum([Order Subtotals].Subtotal) AS TotalSales, Max(Orders.OrderDate) AS LastOrderDate, First(Customers.CreditLimit) AS CreditLimit
FROM Customers INNER JOIN (Orders INNER JOIN [Order Subtotals] ON Orders.OrderID = [Order Subtotals].OrderID) ON Customers.CustomerID = Orders.CustomerID
GROUP BY Orders.CustomerID;
