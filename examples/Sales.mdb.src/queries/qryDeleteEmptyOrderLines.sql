DELETE [Order Details].*
FROM [Order Details]
WHERE ((([Order Details].Quantity)=0));
