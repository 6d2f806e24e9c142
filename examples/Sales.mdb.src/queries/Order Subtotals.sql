SELECT [Order Details].OrderID, Sum(CCur([UnitPrice]*[Quantity]*(1-[Discount]))) AS Subtotal
FROM [Order Details]
GROUP BY [Order Details].OrderID;
